<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
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
        <translation>Uso: veltrane [opzioni]
Solitario Veltrane, un solitario di carte per un giocatore.
Il gioco in sé non accetta opzioni; quelle di Qt vengono passate a Qt.

Opzioni:
  -h, --help     Mostra questo aiuto.
  -v, --version  Mostra le informazioni sulla versione.

Opzioni di Qt, passate a Qt (con uno o due trattini):
  -platform NOME, -platformpluginpath PERCORSO, -platformtheme NOME,
  -plugin NOME, -display DISPLAY, -name NOME, -visual ID, -session ID (dato
  da un gestore di sessione che riavvia il gioco), -style NOME,
  -stylesheet FILE, -qwindowgeometry GEOMETRIA (-geometry),
  -qwindowtitle TITOLO (-title), -qwindowicon FILE (-icon),
  -qmljsdebugger VALORE, -reverse, -widgetcount, -nograb, -dograb, -sync,
  -testability.

File, letti dalla cartella che contiene il gioco (%1):
  rules.txt, orvik.txt  le pagine Regole e Informazioni dell&apos;Aiuto
  SOUND/34.WAV          il saluto della schermata iniziale
  SOUND/APPLAUS.WAV     l&apos;applauso di una vittoria
  veltrane-sound.so     il lettore audio, caricato con il primo suono

Ambiente:
  QT_QPA_PLATFORM  il sistema di finestre: xcb (X11, anche tramite Xwayland)
                   o wayland. Se non è impostata, il gioco usa X quando
                   DISPLAY è impostata, perché lì posiziona da sé le sue
                   finestre, e Wayland altrimenti.
  DISPLAY, WAYLAND_DISPLAY
                   il display X e il display Wayland da aprire.
  QT_FONT_DPI, QT_SCALE_FACTOR
                   uno schermo da 116 a 125 pixel per pollice riceve il
                   messaggio CARATTERI GRANDI e il gioco termina. Con un DPI
                   dei caratteri di 120 (una scala del testo del 125 %),
                   avvialo come QT_FONT_DPI=96 veltrane; con una scala di Qt
                   di 1,25, come QT_SCALE_FACTOR=1 veltrane.
  XDG_STATE_HOME   dove viene salvata una partita in corso per il gestore di
                   sessione (veltrane/session-CHIAVE; ~/.local/state se non
                   è impostata).
</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a value, not the option &apos;%2&apos;</source>
        <translation>l&apos;opzione &apos;%1&apos; richiede un valore, non l&apos;opzione &apos;%2&apos;</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a value</source>
        <translation>l&apos;opzione &apos;%1&apos; richiede un valore</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argomento inatteso &apos;%1&apos;</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>opzione sconosciuta &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Try &apos;veltrane --help&apos;.</source>
        <translation>Prova &apos;veltrane --help&apos;.</translation>
    </message>
</context>
<context>
    <name>HelpFile</name>
    <message>
        <source>Not a regular file</source>
        <translation>Non è un file normale</translation>
    </message>
    <message>
        <source>Line too long</source>
        <translation>Riga troppo lunga</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>Click
Here</source>
        <extracomment>The words on the stock&apos;s turn-over card: two short lines, each at most about 8 letters, drawn on a 72 × 100 card</extracomment>
        <translation>Fai clic
qui</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Overflow</source>
        <translation>Overflow</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Memoria esaurita</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Indice non compreso nell’intervallo</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Divisione per zero</translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <translation>Immagine non valida</translation>
    </message>
    <message>
        <source>Internal error</source>
        <translation>Errore interno</translation>
    </message>
    <message>
        <source>Run-time error &apos;%1&apos;:

%2</source>
        <translation>Errore di run-time &apos;%1&apos;:

%2</translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>impossibile creare la cartella %1</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>non è un file</translation>
    </message>
    <message>
        <source>it is larger than a saved game can be</source>
        <translation>è più grande di quanto possa essere una partita salvata</translation>
    </message>
    <message>
        <source>it is not a saved game</source>
        <translation>non è una partita salvata</translation>
    </message>
    <message>
        <source>it was saved by another version</source>
        <translation>è stata salvata da un&apos;altra versione</translation>
    </message>
    <message>
        <source>it is cut short</source>
        <translation>è troncata</translation>
    </message>
    <message>
        <source>line %1 cannot be read</source>
        <translation>la riga %1 è illeggibile</translation>
    </message>
    <message>
        <source>line %1 names a card that lies elsewhere</source>
        <translation>la riga %1 indica una carta che si trova altrove</translation>
    </message>
    <message>
        <source>a card is missing</source>
        <translation>manca una carta</translation>
    </message>
    <message>
        <source>no game can reach its position</source>
        <translation>nessuna partita può arrivare alla sua posizione</translation>
    </message>
    <message>
        <source>the session&apos;s key is not a plain file name; the game in progress is not saved.</source>
        <translation>la chiave della sessione non è un semplice nome di file; la partita in corso non viene salvata.</translation>
    </message>
    <message>
        <source>the game in progress cannot be saved to %1: %2.</source>
        <translation>impossibile salvare la partita in corso in %1: %2.</translation>
    </message>
    <message>
        <source>the session&apos;s key is not a plain file name; a new game starts.</source>
        <translation>la chiave della sessione non è un semplice nome di file; inizia una nuova partita.</translation>
    </message>
    <message>
        <source>the saved game %1 cannot be read: %2; a new game starts.</source>
        <translation>impossibile leggere la partita salvata %1: %2; inizia una nuova partita.</translation>
    </message>
    <message>
        <source>the saved game %1 is ignored, as %2; a new game starts.</source>
        <translation>la partita salvata %1 viene ignorata, perché %2; inizia una nuova partita.</translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>Stock</source>
        <translation>Mazzo</translation>
    </message>
    <message>
        <source>Waste</source>
        <translation>Scarti</translation>
    </message>
    <message>
        <source>ace</source>
        <translation>asso</translation>
    </message>
    <message>
        <source>two</source>
        <translation>due</translation>
    </message>
    <message>
        <source>three</source>
        <translation>tre</translation>
    </message>
    <message>
        <source>four</source>
        <translation>quattro</translation>
    </message>
    <message>
        <source>five</source>
        <translation>cinque</translation>
    </message>
    <message>
        <source>six</source>
        <translation>sei</translation>
    </message>
    <message>
        <source>seven</source>
        <translation>sette</translation>
    </message>
    <message>
        <source>eight</source>
        <translation>otto</translation>
    </message>
    <message>
        <source>nine</source>
        <translation>nove</translation>
    </message>
    <message>
        <source>ten</source>
        <translation>dieci</translation>
    </message>
    <message>
        <source>jack</source>
        <translation>fante</translation>
    </message>
    <message>
        <source>queen</source>
        <translation>donna</translation>
    </message>
    <message>
        <source>king</source>
        <translation>re</translation>
    </message>
    <message>
        <source>spades</source>
        <translation>picche</translation>
    </message>
    <message>
        <source>diamonds</source>
        <translation>quadri</translation>
    </message>
    <message>
        <source>clubs</source>
        <translation>fiori</translation>
    </message>
    <message>
        <source>hearts</source>
        <translation>cuori</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>A card&apos;s name: %1 its rank (&quot;two&quot;), %2 its suit (&quot;spades&quot;). Put them in the order your language names a card.</extracomment>
        <translation>%1 di %2</translation>
    </message>
    <message>
        <source>Spades slot %1</source>
        <extracomment>The name of a tableau slot; %1 is its place in its group, 1 to 4.</extracomment>
        <translation>Casella di picche %1</translation>
    </message>
    <message>
        <source>Diamonds slot %1</source>
        <translation>Casella di quadri %1</translation>
    </message>
    <message>
        <source>Hearts slot %1</source>
        <translation>Casella di cuori %1</translation>
    </message>
    <message>
        <source>Clubs slot %1</source>
        <translation>Casella di fiori %1</translation>
    </message>
    <message>
        <source>Spades foundation</source>
        <translation>Pila base di picche</translation>
    </message>
    <message>
        <source>Diamonds foundation</source>
        <translation>Pila base di quadri</translation>
    </message>
    <message>
        <source>Hearts foundation</source>
        <translation>Pila base di cuori</translation>
    </message>
    <message>
        <source>Clubs foundation</source>
        <translation>Pila base di fiori</translation>
    </message>
    <message>
        <source>empty spades slot</source>
        <translation>casella di picche vuota</translation>
    </message>
    <message>
        <source>empty diamonds slot</source>
        <translation>casella di quadri vuota</translation>
    </message>
    <message>
        <source>empty hearts slot</source>
        <translation>casella di cuori vuota</translation>
    </message>
    <message>
        <source>empty clubs slot</source>
        <translation>casella di fiori vuota</translation>
    </message>
    <message>
        <source>empty</source>
        <extracomment>A place with no card: the waste, the spent stock.</extracomment>
        <translation>nessuna carta</translation>
    </message>
    <message>
        <source>Click Here to turn the waste over</source>
        <translation>Fai clic qui per rimettere gli scarti nel mazzo</translation>
    </message>
    <message>
        <source>face down</source>
        <translation>coperta</translation>
    </message>
    <message>
        <source>%1, selected</source>
        <extracomment>%1 is the picked card (&quot;two of spades, selected&quot;).</extracomment>
        <translation>%1, selezionato</translation>
    </message>
    <message>
        <source>no pass left</source>
        <translation>giri esauriti</translation>
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
            <numerusform>%n carte</numerusform>
        </translation>
    </message>
    <message>
        <source>second pass</source>
        <extracomment>The stock is run through twice: which run this is.</extracomment>
        <translation>secondo giro</translation>
    </message>
    <message>
        <source>first pass</source>
        <translation>primo giro</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>Two things said one after the other (&quot;eight of diamonds, 31 cards&quot;).</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>File &gt; Deal starts a game</source>
        <translation>File &gt; Distribuisci avvia una partita</translation>
    </message>
    <message>
        <source>%1 deselected</source>
        <extracomment>A click on the stock let go of the picked card %1.</extracomment>
        <translation>%1, non più selezionato</translation>
    </message>
    <message>
        <source>waste: %1</source>
        <extracomment>What the waste shows once its top card has been played: a card, or &quot;empty&quot;.</extracomment>
        <translation>scarti: %1</translation>
    </message>
    <message>
        <source>only spades here</source>
        <extracomment>Why a card cannot go on this slot or foundation: it takes only this suit.</extracomment>
        <translation>qui solo picche</translation>
    </message>
    <message>
        <source>only diamonds here</source>
        <translation>qui solo quadri</translation>
    </message>
    <message>
        <source>only hearts here</source>
        <translation>qui solo cuori</translation>
    </message>
    <message>
        <source>only clubs here</source>
        <translation>qui solo fiori</translation>
    </message>
    <message>
        <source>nothing selected</source>
        <translation>nessuna selezione</translation>
    </message>
    <message>
        <source>%1 already selected</source>
        <extracomment>Another card, %1, is picked and must be put down or let go first.</extracomment>
        <translation>%1 già selezionato</translation>
    </message>
    <message>
        <source>needs %1</source>
        <extracomment>The foundation takes the card %1 next, and only that one.</extracomment>
        <translation>serve %1</translation>
    </message>
</context>
<context>
    <name>frm_board</name>
    <message>
        <source>Veltrane Solitaire</source>
        <translation>Solitario Veltrane</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Deal</source>
        <translation>&amp;Distribuisci</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>&amp;Rules</source>
        <translation>&amp;Regole</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Informazioni...</translation>
    </message>
</context>
<context>
    <name>frm_help</name>
    <message>
        <source>Veltrane - Help</source>
        <translation>Veltrane - Aiuto</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Regole</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>ORVIK, games for quiet hours</source>
        <translation>ORVIK, giochi per le ore tranquille</translation>
    </message>
    <message>
        <source>Veltrane Solitaire, around a copper card frame with a club</source>
        <translation>Solitario Veltrane, attorno a una cornice di rame a forma di carta con il simbolo di fiori</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>Impossibile leggere %1: %2</translation>
    </message>
    <message>
        <source>oops, unable to link you there</source>
        <translation>ops, impossibile aprire il collegamento</translation>
    </message>
    <message>
        <source>Rules page</source>
        <translation>Pagina Regole</translation>
    </message>
    <message>
        <source>About page</source>
        <translation>Pagina Informazioni</translation>
    </message>
    <message>
        <source>About page, Shift+Tab to read</source>
        <translation>Pagina Informazioni, Maiusc+Tab per leggere</translation>
    </message>
    <message>
        <source>Rules page, Shift+Tab to read</source>
        <translation>Pagina Regole, Maiusc+Tab per leggere</translation>
    </message>
</context>
<context>
    <name>frm_splash</name>
    <message>
        <source>Your video display is set to LARGE FONTS. This application requires a setting of Small Fonts. Right click on your desktop, select PROPERTIES,then SETTINGS. Change Fonts from Large to Small, then click on the APPLY button.</source>
        <translation>Lo schermo è impostato su CARATTERI GRANDI. Questa applicazione richiede l’impostazione Caratteri piccoli. Fare clic con il pulsante destro sul desktop, selezionare PROPRIETÀ, quindi IMPOSTAZIONI. Cambiare i caratteri da Grandi a Piccoli, quindi fare clic sul pulsante APPLICA.</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Benvenuto</translation>
    </message>
    <message>
        <source>Veltrane Solitaire, in a bronze picture frame with a heart, a club, a spade and a diamond</source>
        <translation>Solitario Veltrane, in una cornice di bronzo con i simboli di cuori, fiori, picche e quadri</translation>
    </message>
    <message>
        <source>ENTER HERE</source>
        <translation>ENTRA QUI</translation>
    </message>
</context>
<context>
    <name>frm_win</name>
    <message>
        <source>Veltrane Solitaire</source>
        <translation>Solitario Veltrane</translation>
    </message>
    <message>
        <source>Well Done!</source>
        <translation>Ben fatto!</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
