<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
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
        <translation>Uso: veltrane [opciones]
Solitario Veltrane, un juego de cartas de solitario para un jugador.
El juego en sí no admite opciones; las de Qt se pasan a Qt.

Opciones:
  -h, --help     Muestra esta ayuda.
  -v, --version  Muestra la información de la versión.

Opciones de Qt, que se pasan a Qt (con uno o dos guiones):
  -platform NOMBRE, -platformpluginpath RUTA, -platformtheme NOMBRE,
  -plugin NOMBRE, -display PANTALLA, -name NOMBRE, -visual ID, -session ID
  (dado por un gestor de sesiones que reinicia el juego), -style NOMBRE,
  -stylesheet ARCHIVO, -qwindowgeometry GEOMETRÍA (-geometry),
  -qwindowtitle TÍTULO (-title), -qwindowicon ARCHIVO (-icon),
  -qmljsdebugger VALOR, -reverse, -widgetcount, -nograb, -dograb, -sync,
  -testability.

Archivos, leídos de la carpeta que contiene el juego (%1):
  rules.txt, orvik.txt  las páginas Reglas y Acerca de, en la Ayuda
  SOUND/34.WAV          el saludo de la pantalla de bienvenida
  SOUND/APPLAUS.WAV     el aplauso de una victoria
  veltrane-sound.so     el reproductor de sonido, cargado con el primer sonido

Entorno:
  QT_QPA_PLATFORM  el sistema de ventanas: xcb (X11, también a través de
                   Xwayland) o wayland. Si no está definida, el juego usa X
                   cuando DISPLAY está definida, ya que allí coloca él mismo
                   sus ventanas, y Wayland en otro caso.
  DISPLAY, WAYLAND_DISPLAY
                   la pantalla de X y la pantalla de Wayland que se abren.
  QT_FONT_DPI, QT_SCALE_FACTOR
                   una pantalla de 116 a 125 píxeles por pulgada recibe el
                   mensaje de FUENTES GRANDES y el juego termina. Con un DPI
                   de fuente de 120 (una escala de texto del 125 %), inícialo
                   como QT_FONT_DPI=96 veltrane; con una escala de Qt de 1,25,
                   como QT_SCALE_FACTOR=1 veltrane.
  XDG_STATE_HOME   la carpeta donde se guarda una partida en curso para el
                   gestor de sesiones (veltrane/session-CLAVE;
                   ~/.local/state si no está definida).
</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a value, not the option &apos;%2&apos;</source>
        <translation>la opción &apos;%1&apos; necesita un valor, no la opción &apos;%2&apos;</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a value</source>
        <translation>la opción &apos;%1&apos; necesita un valor</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argumento inesperado &apos;%1&apos;</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>opción desconocida &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Try &apos;veltrane --help&apos;.</source>
        <translation>Prueba &apos;veltrane --help&apos;.</translation>
    </message>
</context>
<context>
    <name>HelpFile</name>
    <message>
        <source>Not a regular file</source>
        <translation>No es un archivo normal</translation>
    </message>
    <message>
        <source>Line too long</source>
        <translation>Línea demasiado larga</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>Click
Here</source>
        <extracomment>The words on the stock&apos;s turn-over card: two short lines, each at most about 8 letters, drawn on a 72 × 100 card</extracomment>
        <translation>Haz clic
aquí</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Overflow</source>
        <translation>Desbordamiento</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Memoria insuficiente</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Subíndice fuera del intervalo</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>División por cero</translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <translation>Imagen no válida</translation>
    </message>
    <message>
        <source>Internal error</source>
        <translation>Error interno</translation>
    </message>
    <message>
        <source>Run-time error &apos;%1&apos;:

%2</source>
        <translation>Error en tiempo de ejecución &apos;%1&apos;:

%2</translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>no se puede crear la carpeta %1</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>no es un archivo</translation>
    </message>
    <message>
        <source>it is larger than a saved game can be</source>
        <translation>es más grande de lo que puede ser una partida guardada</translation>
    </message>
    <message>
        <source>it is not a saved game</source>
        <translation>no es una partida guardada</translation>
    </message>
    <message>
        <source>it was saved by another version</source>
        <translation>la guardó otra versión</translation>
    </message>
    <message>
        <source>it is cut short</source>
        <translation>está incompleta</translation>
    </message>
    <message>
        <source>line %1 cannot be read</source>
        <translation>la línea %1 no se puede leer</translation>
    </message>
    <message>
        <source>line %1 names a card that lies elsewhere</source>
        <translation>la línea %1 nombra una carta que está en otro sitio</translation>
    </message>
    <message>
        <source>a card is missing</source>
        <translation>falta una carta</translation>
    </message>
    <message>
        <source>no game can reach its position</source>
        <translation>ninguna partida puede llegar a su posición</translation>
    </message>
    <message>
        <source>the session&apos;s key is not a plain file name; the game in progress is not saved.</source>
        <translation>la clave de la sesión no es un simple nombre de archivo; la partida en curso no se guarda.</translation>
    </message>
    <message>
        <source>the game in progress cannot be saved to %1: %2.</source>
        <translation>la partida en curso no se puede guardar en %1: %2.</translation>
    </message>
    <message>
        <source>the session&apos;s key is not a plain file name; a new game starts.</source>
        <translation>la clave de la sesión no es un simple nombre de archivo; empieza una partida nueva.</translation>
    </message>
    <message>
        <source>the saved game %1 cannot be read: %2; a new game starts.</source>
        <translation>la partida guardada %1 no se puede leer: %2; empieza una partida nueva.</translation>
    </message>
    <message>
        <source>the saved game %1 is ignored, as %2; a new game starts.</source>
        <translation>se ignora la partida guardada %1, ya que %2; empieza una partida nueva.</translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>Stock</source>
        <translation>Mazo</translation>
    </message>
    <message>
        <source>Waste</source>
        <translation>Descarte</translation>
    </message>
    <message>
        <source>ace</source>
        <translation>as</translation>
    </message>
    <message>
        <source>two</source>
        <translation>dos</translation>
    </message>
    <message>
        <source>three</source>
        <translation>tres</translation>
    </message>
    <message>
        <source>four</source>
        <translation>cuatro</translation>
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
        <translation>siete</translation>
    </message>
    <message>
        <source>eight</source>
        <translation>ocho</translation>
    </message>
    <message>
        <source>nine</source>
        <translation>nueve</translation>
    </message>
    <message>
        <source>ten</source>
        <translation>diez</translation>
    </message>
    <message>
        <source>jack</source>
        <translation>jota</translation>
    </message>
    <message>
        <source>queen</source>
        <translation>reina</translation>
    </message>
    <message>
        <source>king</source>
        <translation>rey</translation>
    </message>
    <message>
        <source>spades</source>
        <translation>picas</translation>
    </message>
    <message>
        <source>diamonds</source>
        <translation>diamantes</translation>
    </message>
    <message>
        <source>clubs</source>
        <translation>tréboles</translation>
    </message>
    <message>
        <source>hearts</source>
        <translation>corazones</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>A card&apos;s name: %1 its rank (&quot;two&quot;), %2 its suit (&quot;spades&quot;). Put them in the order your language names a card.</extracomment>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>Spades slot %1</source>
        <extracomment>The name of a tableau slot; %1 is its place in its group, 1 to 4.</extracomment>
        <translation>Casilla de picas %1</translation>
    </message>
    <message>
        <source>Diamonds slot %1</source>
        <translation>Casilla de diamantes %1</translation>
    </message>
    <message>
        <source>Hearts slot %1</source>
        <translation>Casilla de corazones %1</translation>
    </message>
    <message>
        <source>Clubs slot %1</source>
        <translation>Casilla de tréboles %1</translation>
    </message>
    <message>
        <source>Spades foundation</source>
        <translation>Montón base de picas</translation>
    </message>
    <message>
        <source>Diamonds foundation</source>
        <translation>Montón base de diamantes</translation>
    </message>
    <message>
        <source>Hearts foundation</source>
        <translation>Montón base de corazones</translation>
    </message>
    <message>
        <source>Clubs foundation</source>
        <translation>Montón base de tréboles</translation>
    </message>
    <message>
        <source>empty spades slot</source>
        <translation>casilla de picas vacía</translation>
    </message>
    <message>
        <source>empty diamonds slot</source>
        <translation>casilla de diamantes vacía</translation>
    </message>
    <message>
        <source>empty hearts slot</source>
        <translation>casilla de corazones vacía</translation>
    </message>
    <message>
        <source>empty clubs slot</source>
        <translation>casilla de tréboles vacía</translation>
    </message>
    <message>
        <source>empty</source>
        <extracomment>A place with no card: the waste, the spent stock.</extracomment>
        <translation>vacío</translation>
    </message>
    <message>
        <source>Click Here to turn the waste over</source>
        <translation>Haz clic aquí para devolver el descarte al mazo</translation>
    </message>
    <message>
        <source>face down</source>
        <translation>boca abajo</translation>
    </message>
    <message>
        <source>%1, selected</source>
        <extracomment>%1 is the picked card (&quot;two of spades, selected&quot;).</extracomment>
        <translation>%1, seleccionado</translation>
    </message>
    <message>
        <source>no pass left</source>
        <translation>no quedan pasadas</translation>
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
        <translation>segunda pasada</translation>
    </message>
    <message>
        <source>first pass</source>
        <translation>primera pasada</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>Two things said one after the other (&quot;eight of diamonds, 31 cards&quot;).</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>File &gt; Deal starts a game</source>
        <translation>Archivo &gt; Repartir empieza una partida</translation>
    </message>
    <message>
        <source>%1 deselected</source>
        <extracomment>A click on the stock let go of the picked card %1.</extracomment>
        <translation>%1, ya no seleccionado</translation>
    </message>
    <message>
        <source>waste: %1</source>
        <extracomment>What the waste shows once its top card has been played: a card, or &quot;empty&quot;.</extracomment>
        <translation>descarte: %1</translation>
    </message>
    <message>
        <source>only spades here</source>
        <extracomment>Why a card cannot go on this slot or foundation: it takes only this suit.</extracomment>
        <translation>aquí solo picas</translation>
    </message>
    <message>
        <source>only diamonds here</source>
        <translation>aquí solo diamantes</translation>
    </message>
    <message>
        <source>only hearts here</source>
        <translation>aquí solo corazones</translation>
    </message>
    <message>
        <source>only clubs here</source>
        <translation>aquí solo tréboles</translation>
    </message>
    <message>
        <source>nothing selected</source>
        <translation>nada seleccionado</translation>
    </message>
    <message>
        <source>%1 already selected</source>
        <extracomment>Another card, %1, is picked and must be put down or let go first.</extracomment>
        <translation>%1 ya seleccionado</translation>
    </message>
    <message>
        <source>needs %1</source>
        <extracomment>The foundation takes the card %1 next, and only that one.</extracomment>
        <translation>necesita %1</translation>
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
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Deal</source>
        <translation>&amp;Repartir</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;Rules</source>
        <translation>&amp;Reglas</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Acerca de...</translation>
    </message>
</context>
<context>
    <name>frm_help</name>
    <message>
        <source>Veltrane - Help</source>
        <translation>Veltrane - Ayuda</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Reglas</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>ORVIK, games for quiet hours</source>
        <translation>ORVIK, juegos para horas tranquilas</translation>
    </message>
    <message>
        <source>Veltrane Solitaire, around a copper card frame with a club</source>
        <translation>Solitario Veltrane, alrededor de un marco de cobre en forma de carta con un trébol</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>No se puede leer %1: %2</translation>
    </message>
    <message>
        <source>oops, unable to link you there</source>
        <translation>vaya, no se pudo abrir el enlace</translation>
    </message>
    <message>
        <source>Rules page</source>
        <translation>Página de reglas</translation>
    </message>
    <message>
        <source>About page</source>
        <translation>Página Acerca de</translation>
    </message>
    <message>
        <source>About page, Shift+Tab to read</source>
        <translation>Página Acerca de, Mayús+Tab para leer</translation>
    </message>
    <message>
        <source>Rules page, Shift+Tab to read</source>
        <translation>Página de reglas, Mayús+Tab para leer</translation>
    </message>
</context>
<context>
    <name>frm_splash</name>
    <message>
        <source>Your video display is set to LARGE FONTS. This application requires a setting of Small Fonts. Right click on your desktop, select PROPERTIES,then SETTINGS. Change Fonts from Large to Small, then click on the APPLY button.</source>
        <translation>Su pantalla está configurada con FUENTES GRANDES. Esta aplicación requiere la configuración Fuentes pequeñas. Haga clic con el botón derecho en el escritorio, seleccione PROPIEDADES y luego CONFIGURACIÓN. Cambie las fuentes de Grandes a Pequeñas y haga clic en el botón APLICAR.</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Bienvenido</translation>
    </message>
    <message>
        <source>Veltrane Solitaire, in a bronze picture frame with a heart, a club, a spade and a diamond</source>
        <translation>Solitario Veltrane, en un marco de bronce con un corazón, un trébol, una pica y un diamante</translation>
    </message>
    <message>
        <source>ENTER HERE</source>
        <translation>ENTRAR AQUÍ</translation>
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
        <translation>¡Bien hecho!</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
</TS>
