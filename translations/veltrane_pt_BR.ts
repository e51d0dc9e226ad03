<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: veltrane [options]
Veltrane Solitaire, a patience card game for one player.
The game itself takes no options; Qt&apos;s own are passed on to Qt.

Options:
  -h, --help     Displays this help.
  -v, --version  Displays version information.

Qt&apos;s options, passed on to Qt (one dash or two):
  -platform NAME, -platformpluginpath PATH, -platformtheme NAME, -plugin NAME,
  -display DISPLAY, -name NAME, -visual ID, -session ID (given by a session
  manager that restarts the game), -style NAME, -stylesheet FILE,
  -qwindowgeometry GEOMETRY (-geometry), -qwindowtitle TITLE (-title),
  -qwindowicon FILE (-icon), -qmljsdebugger VALUE, -reverse, -widgetcount,
  -nograb, -dograb, -sync, -testability.

Files, read from the folder that holds the game (%1):
  rules.txt, orvik.txt  the Rules and About pages of Help
  SOUND/34.WAV          the greeting of the splash
  SOUND/APPLAUS.WAV     the applause of a win
  veltrane-sound.so     the sound player, loaded with the first sound

Environment:
  QT_QPA_PLATFORM  the window system: xcb (X11, also through Xwayland) or
                   wayland. Unset, the game uses X when DISPLAY is set, as it
                   places its windows itself there, and Wayland otherwise.
  DISPLAY, WAYLAND_DISPLAY
                   the X display and the Wayland display to open.
  QT_FONT_DPI, QT_SCALE_FACTOR
                   a display of 116 to 125 pixels per inch gets the LARGE FONTS
                   message and the game ends. For a font DPI of 120 (a 125 %
                   text scale) start it as QT_FONT_DPI=96 veltrane; for a Qt
                   scale of 1.25, as QT_SCALE_FACTOR=1 veltrane.
  XDG_STATE_HOME   where a game in progress is saved for the session manager
                   (veltrane/session-KEY; ~/.local/state when unset).
</source>
        <translation>Uso: veltrane [opções]
Paciência Veltrane, um jogo de cartas de paciência para um jogador.
O jogo em si não aceita opções; as do Qt são repassadas ao Qt.

Opções:
  -h, --help     Mostra esta ajuda.
  -v, --version  Mostra as informações de versão.

Opções do Qt, repassadas ao Qt (com um ou dois hifens):
  -platform NAME, -platformpluginpath PATH, -platformtheme NAME, -plugin NAME,
  -display DISPLAY, -name NAME, -visual ID, -session ID (dado por um
  gerenciador de sessão que reinicia o jogo), -style NAME, -stylesheet FILE,
  -qwindowgeometry GEOMETRY (-geometry), -qwindowtitle TITLE (-title),
  -qwindowicon FILE (-icon), -qmljsdebugger VALUE, -reverse, -widgetcount,
  -nograb, -dograb, -sync, -testability.

Arquivos, lidos da pasta que contém o jogo (%1):
  rules.txt, orvik.txt  as páginas Regras e Sobre da Ajuda
  SOUND/34.WAV          a saudação da tela de abertura
  SOUND/APPLAUS.WAV     o aplauso de uma vitória
  veltrane-sound.so     o reprodutor de som, carregado com o primeiro som

Ambiente:
  QT_QPA_PLATFORM  o sistema de janelas: xcb (X11, também via Xwayland) ou
                   wayland. Sem valor, o jogo usa o X quando DISPLAY está
                   definida, pois ali ele mesmo posiciona suas janelas, e o
                   Wayland nos outros casos.
  DISPLAY, WAYLAND_DISPLAY
                   a tela do X e a tela do Wayland a abrir.
  QT_FONT_DPI, QT_SCALE_FACTOR
                   uma tela de 116 a 125 pixels por polegada recebe a mensagem
                   FONTES GRANDES e o jogo termina. Com um DPI de fonte de 120
                   (escala de texto de 125 %), inicie-o como
                   QT_FONT_DPI=96 veltrane; com uma escala do Qt de 1.25,
                   como QT_SCALE_FACTOR=1 veltrane.
  XDG_STATE_HOME   onde um jogo em andamento é salvo para o gerenciador de
                   sessão (veltrane/session-KEY; ~/.local/state se não
                   definida).
</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a value, not the option &apos;%2&apos;</source>
        <translation>a opção &apos;%1&apos; precisa de um valor, não da opção &apos;%2&apos;</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a value</source>
        <translation>a opção &apos;%1&apos; precisa de um valor</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argumento inesperado &apos;%1&apos;</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>opção desconhecida &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Try &apos;veltrane --help&apos;.</source>
        <translation>Experimente &apos;veltrane --help&apos;.</translation>
    </message>
</context>
<context>
    <name>HelpFile</name>
    <message>
        <source>Not a regular file</source>
        <translation>Não é um arquivo comum</translation>
    </message>
    <message>
        <source>Line too long</source>
        <translation>Linha longa demais</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>Click
Here</source>
        <extracomment>The words on the stock&apos;s turn-over card: two short lines, each at most about 8 letters, drawn on a 72 × 100 card</extracomment>
        <translation>Clique
aqui</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Overflow</source>
        <translation>Estouro</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Memória insuficiente</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Subscrito fora do intervalo</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Divisão por zero</translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <translation>Imagem inválida</translation>
    </message>
    <message>
        <source>Internal error</source>
        <translation>Erro interno</translation>
    </message>
    <message>
        <source>Run-time error &apos;%1&apos;:

%2</source>
        <translation>Erro em tempo de execução &apos;%1&apos;:

%2</translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>não é possível criar a pasta %1</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>não é um arquivo</translation>
    </message>
    <message>
        <source>it is larger than a saved game can be</source>
        <translation>é maior do que um jogo salvo pode ser</translation>
    </message>
    <message>
        <source>it is not a saved game</source>
        <translation>não é um jogo salvo</translation>
    </message>
    <message>
        <source>it was saved by another version</source>
        <translation>foi salvo por outra versão</translation>
    </message>
    <message>
        <source>it is cut short</source>
        <translation>está truncado</translation>
    </message>
    <message>
        <source>line %1 cannot be read</source>
        <translation>a linha %1 não pode ser lida</translation>
    </message>
    <message>
        <source>line %1 names a card that lies elsewhere</source>
        <translation>a linha %1 indica uma carta que está em outro lugar</translation>
    </message>
    <message>
        <source>a card is missing</source>
        <translation>falta uma carta</translation>
    </message>
    <message>
        <source>no game can reach its position</source>
        <translation>nenhum jogo pode chegar a essa posição</translation>
    </message>
    <message>
        <source>the session&apos;s key is not a plain file name; the game in progress is not saved.</source>
        <translation>a chave da sessão não é um nome de arquivo simples; o jogo em andamento não é salvo.</translation>
    </message>
    <message>
        <source>the game in progress cannot be saved to %1: %2.</source>
        <translation>o jogo em andamento não pode ser salvo em %1: %2.</translation>
    </message>
    <message>
        <source>the session&apos;s key is not a plain file name; a new game starts.</source>
        <translation>a chave da sessão não é um nome de arquivo simples; um novo jogo começa.</translation>
    </message>
    <message>
        <source>the saved game %1 cannot be read: %2; a new game starts.</source>
        <translation>o jogo salvo %1 não pode ser lido: %2; um novo jogo começa.</translation>
    </message>
    <message>
        <source>the saved game %1 is ignored, as %2; a new game starts.</source>
        <translation>o jogo salvo %1 é ignorado, pois %2; um novo jogo começa.</translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>Stock</source>
        <translation>Monte</translation>
    </message>
    <message>
        <source>Waste</source>
        <translation>Descarte</translation>
    </message>
    <message>
        <source>ace</source>
        <translation>ás</translation>
    </message>
    <message>
        <source>two</source>
        <translation>dois</translation>
    </message>
    <message>
        <source>three</source>
        <translation>três</translation>
    </message>
    <message>
        <source>four</source>
        <translation>quatro</translation>
    </message>
    <message>
        <source>five</source>
        <translation>cinco</translation>
    </message>
    <message>
        <source>six</source>
        <translation>seis</translation>
    </message>
    <message>
        <source>seven</source>
        <translation>sete</translation>
    </message>
    <message>
        <source>eight</source>
        <translation>oito</translation>
    </message>
    <message>
        <source>nine</source>
        <translation>nove</translation>
    </message>
    <message>
        <source>ten</source>
        <translation>dez</translation>
    </message>
    <message>
        <source>jack</source>
        <translation>valete</translation>
    </message>
    <message>
        <source>queen</source>
        <translation>dama</translation>
    </message>
    <message>
        <source>king</source>
        <translation>rei</translation>
    </message>
    <message>
        <source>spades</source>
        <translation>espadas</translation>
    </message>
    <message>
        <source>diamonds</source>
        <translation>ouros</translation>
    </message>
    <message>
        <source>clubs</source>
        <translation>paus</translation>
    </message>
    <message>
        <source>hearts</source>
        <translation>copas</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>A card&apos;s name: %1 its rank (&quot;two&quot;), %2 its suit (&quot;spades&quot;). Put them in the order your language names a card.</extracomment>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>Spades slot %1</source>
        <extracomment>The name of a tableau slot; %1 is its place in its group, 1 to 4.</extracomment>
        <translation>Casa %1 de espadas</translation>
    </message>
    <message>
        <source>Diamonds slot %1</source>
        <translation>Casa %1 de ouros</translation>
    </message>
    <message>
        <source>Hearts slot %1</source>
        <translation>Casa %1 de copas</translation>
    </message>
    <message>
        <source>Clubs slot %1</source>
        <translation>Casa %1 de paus</translation>
    </message>
    <message>
        <source>Spades foundation</source>
        <translation>Fundação de espadas</translation>
    </message>
    <message>
        <source>Diamonds foundation</source>
        <translation>Fundação de ouros</translation>
    </message>
    <message>
        <source>Hearts foundation</source>
        <translation>Fundação de copas</translation>
    </message>
    <message>
        <source>Clubs foundation</source>
        <translation>Fundação de paus</translation>
    </message>
    <message>
        <source>empty spades slot</source>
        <translation>casa de espadas vazia</translation>
    </message>
    <message>
        <source>empty diamonds slot</source>
        <translation>casa de ouros vazia</translation>
    </message>
    <message>
        <source>empty hearts slot</source>
        <translation>casa de copas vazia</translation>
    </message>
    <message>
        <source>empty clubs slot</source>
        <translation>casa de paus vazia</translation>
    </message>
    <message>
        <source>empty</source>
        <extracomment>A place with no card: the waste, the spent stock.</extracomment>
        <translation>vazio</translation>
    </message>
    <message>
        <source>Click Here to turn the waste over</source>
        <translation>Clique aqui para devolver o descarte ao monte</translation>
    </message>
    <message>
        <source>face down</source>
        <translation>virada para baixo</translation>
    </message>
    <message>
        <source>%1, selected</source>
        <extracomment>%1 is the picked card (&quot;two of spades, selected&quot;).</extracomment>
        <translation>%1, selecionada</translation>
    </message>
    <message>
        <source>no pass left</source>
        <translation>sem mais voltas</translation>
    </message>
    <message>
        <source>1 card</source>
        <extracomment>Cards left face down in the stock.</extracomment>
        <translation>1 carta</translation>
    </message>
    <message numerus="yes">
        <source>%n cards</source>
        <translation>
            <numerusform>%n carta</numerusform>
            <numerusform>%n cartas</numerusform>
        </translation>
    </message>
    <message>
        <source>second pass</source>
        <extracomment>The stock is run through twice: which run this is.</extracomment>
        <translation>segunda volta</translation>
    </message>
    <message>
        <source>first pass</source>
        <translation>primeira volta</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>Two things said one after the other (&quot;eight of diamonds, 31 cards&quot;).</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>File &gt; Deal starts a game</source>
        <translation>Arquivo &gt; Distribuir inicia um jogo</translation>
    </message>
    <message>
        <source>%1 deselected</source>
        <extracomment>A click on the stock let go of the picked card %1.</extracomment>
        <translation>%1, seleção desfeita</translation>
    </message>
    <message>
        <source>waste: %1</source>
        <extracomment>What the waste shows once its top card has been played: a card, or &quot;empty&quot;.</extracomment>
        <translation>descarte: %1</translation>
    </message>
    <message>
        <source>only spades here</source>
        <extracomment>Why a card cannot go on this slot or foundation: it takes only this suit.</extracomment>
        <translation>só espadas aqui</translation>
    </message>
    <message>
        <source>only diamonds here</source>
        <translation>só ouros aqui</translation>
    </message>
    <message>
        <source>only hearts here</source>
        <translation>só copas aqui</translation>
    </message>
    <message>
        <source>only clubs here</source>
        <translation>só paus aqui</translation>
    </message>
    <message>
        <source>nothing selected</source>
        <translation>nada selecionado</translation>
    </message>
    <message>
        <source>%1 already selected</source>
        <extracomment>Another card, %1, is picked and must be put down or let go first.</extracomment>
        <translation>já selecionada: %1</translation>
    </message>
    <message>
        <source>needs %1</source>
        <extracomment>The foundation takes the card %1 next, and only that one.</extracomment>
        <translation>precisa de %1</translation>
    </message>
</context>
<context>
    <name>frm_board</name>
    <message>
        <source>Veltrane Solitaire</source>
        <translation>Paciência Veltrane</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;Deal</source>
        <translation>&amp;Distribuir</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;juda</translation>
    </message>
    <message>
        <source>&amp;Rules</source>
        <translation>&amp;Regras</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Sobre...</translation>
    </message>
</context>
<context>
    <name>frm_help</name>
    <message>
        <source>Veltrane - Help</source>
        <translation>Veltrane - Ajuda</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Regras</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>ORVIK, games for quiet hours</source>
        <translation>ORVIK, jogos para horas tranquilas</translation>
    </message>
    <message>
        <source>Veltrane Solitaire, around a copper card frame with a club</source>
        <translation>Paciência Veltrane, em torno de uma moldura de cobre em forma de carta com um símbolo de paus</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>Não foi possível ler %1: %2</translation>
    </message>
    <message>
        <source>oops, unable to link you there</source>
        <translation>ops, não foi possível abrir o link</translation>
    </message>
    <message>
        <source>Rules page</source>
        <translation>Página de regras</translation>
    </message>
    <message>
        <source>About page</source>
        <translation>Página Sobre</translation>
    </message>
    <message>
        <source>About page, Shift+Tab to read</source>
        <translation>Página Sobre, Shift+Tab para ler</translation>
    </message>
    <message>
        <source>Rules page, Shift+Tab to read</source>
        <translation>Página de regras, Shift+Tab para ler</translation>
    </message>
</context>
<context>
    <name>frm_splash</name>
    <message>
        <source>Your video display is set to LARGE FONTS. This application requires a setting of Small Fonts. Right click on your desktop, select PROPERTIES,then SETTINGS. Change Fonts from Large to Small, then click on the APPLY button.</source>
        <translation>Sua tela está configurada com FONTES GRANDES. Este aplicativo requer a configuração Fontes pequenas. Clique com o botão direito na área de trabalho, selecione PROPRIEDADES e depois CONFIGURAÇÕES. Mude as fontes de Grandes para Pequenas e clique no botão APLICAR.</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Bem-vindo</translation>
    </message>
    <message>
        <source>Veltrane Solitaire, in a bronze picture frame with a heart, a club, a spade and a diamond</source>
        <translation>Paciência Veltrane, em uma moldura de bronze com copas, paus, espadas e ouros</translation>
    </message>
    <message>
        <source>ENTER HERE</source>
        <translation>ENTRAR AQUI</translation>
    </message>
</context>
<context>
    <name>frm_win</name>
    <message>
        <source>Veltrane Solitaire</source>
        <translation>Paciência Veltrane</translation>
    </message>
    <message>
        <source>Well Done!</source>
        <translation>Muito bem!</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
