<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
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
        <translation>Aufruf: veltrane [Optionen]
Veltrane-Patience, ein Kartenspiel für einen Spieler.
Das Spiel selbst kennt keine Optionen; die von Qt werden an Qt weitergegeben.

Optionen:
  -h, --help     Zeigt diese Hilfe an.
  -v, --version  Zeigt die Versionsinformationen an.

Optionen von Qt, an Qt weitergegeben (mit einem oder zwei Bindestrichen):
  -platform NAME, -platformpluginpath PATH, -platformtheme NAME, -plugin NAME,
  -display DISPLAY, -name NAME, -visual ID, -session ID (vom
  Sitzungsmanager vergeben, der das Spiel neu startet), -style NAME,
  -stylesheet FILE, -qwindowgeometry GEOMETRY (-geometry),
  -qwindowtitle TITLE (-title), -qwindowicon FILE (-icon),
  -qmljsdebugger VALUE, -reverse, -widgetcount, -nograb, -dograb, -sync,
  -testability.

Dateien, gelesen aus dem Ordner, in dem das Spiel liegt (%1):
  rules.txt, orvik.txt  die Seiten Regeln und Über der Hilfe
  SOUND/34.WAV          die Begrüßung des Startbilds
  SOUND/APPLAUS.WAV     der Applaus bei einem Sieg
  veltrane-sound.so     der Klangspieler, geladen mit dem ersten Klang

Umgebung:
  QT_QPA_PLATFORM  das Fenstersystem: xcb (X11, auch über Xwayland) oder
                   wayland. Ohne Wert nimmt das Spiel X, wenn DISPLAY gesetzt
                   ist, da es dort die Fenster selbst anordnet, sonst Wayland.
  DISPLAY, WAYLAND_DISPLAY
                   die zu öffnende X-Anzeige und Wayland-Anzeige.
  QT_FONT_DPI, QT_SCALE_FACTOR
                   bei einer Anzeige mit 116 bis 125 Pixeln pro Zoll kommt die
                   Meldung GROSSE SCHRIFTARTEN, und das Spiel endet. Bei einer
                   Schrift-DPI von 120 (125 % Textskalierung) das Spiel als
                   QT_FONT_DPI=96 veltrane starten; bei einem Skalierungsfaktor
                   von 1,25 in Qt als QT_SCALE_FACTOR=1 veltrane.
  XDG_STATE_HOME   wo ein laufendes Spiel für den Sitzungsmanager gespeichert
                   wird (veltrane/session-KEY; ohne Wert ~/.local/state).
</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a value, not the option &apos;%2&apos;</source>
        <translation>Option &apos;%1&apos; braucht einen Wert, nicht die Option &apos;%2&apos;</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a value</source>
        <translation>Option &apos;%1&apos; braucht einen Wert</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>unerwartetes Argument &apos;%1&apos;</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>unbekannte Option &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Try &apos;veltrane --help&apos;.</source>
        <translation>Mehr dazu mit &apos;veltrane --help&apos;.</translation>
    </message>
</context>
<context>
    <name>HelpFile</name>
    <message>
        <source>Not a regular file</source>
        <translation>Keine normale Datei</translation>
    </message>
    <message>
        <source>Line too long</source>
        <translation>Zeile zu lang</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>Click
Here</source>
        <extracomment>The words on the stock&apos;s turn-over card: two short lines, each at most about 8 letters, drawn on a 72 × 100 card</extracomment>
        <translation>Hier
klicken</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Overflow</source>
        <translation>Überlauf</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Nicht genügend Speicher</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Index außerhalb des gültigen Bereichs</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Division durch Null</translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <translation>Ungültiges Bild</translation>
    </message>
    <message>
        <source>Internal error</source>
        <translation>Interner Fehler</translation>
    </message>
    <message>
        <source>Run-time error &apos;%1&apos;:

%2</source>
        <translation>Laufzeitfehler &apos;%1&apos;:

%2</translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>der Ordner %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>es ist keine Datei</translation>
    </message>
    <message>
        <source>it is larger than a saved game can be</source>
        <translation>er ist größer, als ein Spielstand sein kann</translation>
    </message>
    <message>
        <source>it is not a saved game</source>
        <translation>er ist kein gespeicherter Spielstand</translation>
    </message>
    <message>
        <source>it was saved by another version</source>
        <translation>er wurde von einer anderen Version gespeichert</translation>
    </message>
    <message>
        <source>it is cut short</source>
        <translation>er bricht vorzeitig ab</translation>
    </message>
    <message>
        <source>line %1 cannot be read</source>
        <translation>Zeile %1 ist nicht lesbar</translation>
    </message>
    <message>
        <source>line %1 names a card that lies elsewhere</source>
        <translation>Zeile %1 nennt eine Karte, die woanders liegt</translation>
    </message>
    <message>
        <source>a card is missing</source>
        <translation>eine Karte fehlt</translation>
    </message>
    <message>
        <source>no game can reach its position</source>
        <translation>keine Partie kann seine Stellung erreichen</translation>
    </message>
    <message>
        <source>the session&apos;s key is not a plain file name; the game in progress is not saved.</source>
        <translation>der Schlüssel der Sitzung ist kein einfacher Dateiname; das laufende Spiel wird nicht gespeichert.</translation>
    </message>
    <message>
        <source>the game in progress cannot be saved to %1: %2.</source>
        <translation>das laufende Spiel kann nicht in %1 gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>the session&apos;s key is not a plain file name; a new game starts.</source>
        <translation>der Schlüssel der Sitzung ist kein einfacher Dateiname; ein neues Spiel beginnt.</translation>
    </message>
    <message>
        <source>the saved game %1 cannot be read: %2; a new game starts.</source>
        <translation>der gespeicherte Spielstand %1 kann nicht gelesen werden: %2; ein neues Spiel beginnt.</translation>
    </message>
    <message>
        <source>the saved game %1 is ignored, as %2; a new game starts.</source>
        <translation>der gespeicherte Spielstand %1 wird ignoriert, denn %2; ein neues Spiel beginnt.</translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>Stock</source>
        <translation>Talon</translation>
    </message>
    <message>
        <source>Waste</source>
        <translation>Abwurfstapel</translation>
    </message>
    <message>
        <source>ace</source>
        <translation>Ass</translation>
    </message>
    <message>
        <source>two</source>
        <translation>Zwei</translation>
    </message>
    <message>
        <source>three</source>
        <translation>Drei</translation>
    </message>
    <message>
        <source>four</source>
        <translation>Vier</translation>
    </message>
    <message>
        <source>five</source>
        <translation>Fünf</translation>
    </message>
    <message>
        <source>six</source>
        <translation>Sechs</translation>
    </message>
    <message>
        <source>seven</source>
        <translation>Sieben</translation>
    </message>
    <message>
        <source>eight</source>
        <translation>Acht</translation>
    </message>
    <message>
        <source>nine</source>
        <translation>Neun</translation>
    </message>
    <message>
        <source>ten</source>
        <translation>Zehn</translation>
    </message>
    <message>
        <source>jack</source>
        <translation>Bube</translation>
    </message>
    <message>
        <source>queen</source>
        <translation>Dame</translation>
    </message>
    <message>
        <source>king</source>
        <translation>König</translation>
    </message>
    <message>
        <source>spades</source>
        <translation>Pik</translation>
    </message>
    <message>
        <source>diamonds</source>
        <translation>Karo</translation>
    </message>
    <message>
        <source>clubs</source>
        <translation>Kreuz</translation>
    </message>
    <message>
        <source>hearts</source>
        <translation>Herz</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>A card&apos;s name: %1 its rank (&quot;two&quot;), %2 its suit (&quot;spades&quot;). Put them in the order your language names a card.</extracomment>
        <translation>%2 %1</translation>
    </message>
    <message>
        <source>Spades slot %1</source>
        <extracomment>The name of a tableau slot; %1 is its place in its group, 1 to 4.</extracomment>
        <translation>Pik-Feld %1</translation>
    </message>
    <message>
        <source>Diamonds slot %1</source>
        <translation>Karo-Feld %1</translation>
    </message>
    <message>
        <source>Hearts slot %1</source>
        <translation>Herz-Feld %1</translation>
    </message>
    <message>
        <source>Clubs slot %1</source>
        <translation>Kreuz-Feld %1</translation>
    </message>
    <message>
        <source>Spades foundation</source>
        <translation>Pik-Ablagestapel</translation>
    </message>
    <message>
        <source>Diamonds foundation</source>
        <translation>Karo-Ablagestapel</translation>
    </message>
    <message>
        <source>Hearts foundation</source>
        <translation>Herz-Ablagestapel</translation>
    </message>
    <message>
        <source>Clubs foundation</source>
        <translation>Kreuz-Ablagestapel</translation>
    </message>
    <message>
        <source>empty spades slot</source>
        <translation>leeres Pik-Feld</translation>
    </message>
    <message>
        <source>empty diamonds slot</source>
        <translation>leeres Karo-Feld</translation>
    </message>
    <message>
        <source>empty hearts slot</source>
        <translation>leeres Herz-Feld</translation>
    </message>
    <message>
        <source>empty clubs slot</source>
        <translation>leeres Kreuz-Feld</translation>
    </message>
    <message>
        <source>empty</source>
        <extracomment>A place with no card: the waste, the spent stock.</extracomment>
        <translation>leer</translation>
    </message>
    <message>
        <source>Click Here to turn the waste over</source>
        <translation>Hier klicken, um den Abwurfstapel umzudrehen</translation>
    </message>
    <message>
        <source>face down</source>
        <translation>verdeckt</translation>
    </message>
    <message>
        <source>%1, selected</source>
        <extracomment>%1 is the picked card (&quot;two of spades, selected&quot;).</extracomment>
        <translation>%1, ausgewählt</translation>
    </message>
    <message>
        <source>no pass left</source>
        <translation>kein Durchgang mehr</translation>
    </message>
    <message>
        <source>1 card</source>
        <extracomment>Cards left face down in the stock.</extracomment>
        <translation>1 Karte</translation>
    </message>
    <message numerus="yes">
        <source>%n cards</source>
        <translation>
            <numerusform>%n Karte</numerusform>
            <numerusform>%n Karten</numerusform>
        </translation>
    </message>
    <message>
        <source>second pass</source>
        <extracomment>The stock is run through twice: which run this is.</extracomment>
        <translation>zweiter Durchgang</translation>
    </message>
    <message>
        <source>first pass</source>
        <translation>erster Durchgang</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>Two things said one after the other (&quot;eight of diamonds, 31 cards&quot;).</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>File &gt; Deal starts a game</source>
        <translation>Datei &gt; Geben beginnt ein Spiel</translation>
    </message>
    <message>
        <source>%1 deselected</source>
        <extracomment>A click on the stock let go of the picked card %1.</extracomment>
        <translation>%1 abgewählt</translation>
    </message>
    <message>
        <source>waste: %1</source>
        <extracomment>What the waste shows once its top card has been played: a card, or &quot;empty&quot;.</extracomment>
        <translation>Abwurfstapel: %1</translation>
    </message>
    <message>
        <source>only spades here</source>
        <extracomment>Why a card cannot go on this slot or foundation: it takes only this suit.</extracomment>
        <translation>hier nur Pik</translation>
    </message>
    <message>
        <source>only diamonds here</source>
        <translation>hier nur Karo</translation>
    </message>
    <message>
        <source>only hearts here</source>
        <translation>hier nur Herz</translation>
    </message>
    <message>
        <source>only clubs here</source>
        <translation>hier nur Kreuz</translation>
    </message>
    <message>
        <source>nothing selected</source>
        <translation>nichts ausgewählt</translation>
    </message>
    <message>
        <source>%1 already selected</source>
        <extracomment>Another card, %1, is picked and must be put down or let go first.</extracomment>
        <translation>%1 ist schon ausgewählt</translation>
    </message>
    <message>
        <source>needs %1</source>
        <extracomment>The foundation takes the card %1 next, and only that one.</extracomment>
        <translation>braucht %1</translation>
    </message>
</context>
<context>
    <name>frm_board</name>
    <message>
        <source>Veltrane Solitaire</source>
        <translation>Veltrane-Patience</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Deal</source>
        <translation>&amp;Geben</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Rules</source>
        <translation>&amp;Regeln</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>Ü&amp;ber...</translation>
    </message>
</context>
<context>
    <name>frm_help</name>
    <message>
        <source>Veltrane - Help</source>
        <translation>Veltrane - Hilfe</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Regeln</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>ORVIK, games for quiet hours</source>
        <translation>ORVIK, Spiele für stille Stunden</translation>
    </message>
    <message>
        <source>Veltrane Solitaire, around a copper card frame with a club</source>
        <translation>Veltrane-Patience, um einen kupfernen Kartenrahmen mit einem Kreuz</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>oops, unable to link you there</source>
        <translation>Hoppla, dorthin lässt sich keine Verbindung herstellen</translation>
    </message>
    <message>
        <source>Rules page</source>
        <translation>Seite Regeln</translation>
    </message>
    <message>
        <source>About page</source>
        <translation>Seite Über</translation>
    </message>
    <message>
        <source>About page, Shift+Tab to read</source>
        <translation>Seite Über, Umschalt+Tab zum Lesen</translation>
    </message>
    <message>
        <source>Rules page, Shift+Tab to read</source>
        <translation>Seite Regeln, Umschalt+Tab zum Lesen</translation>
    </message>
</context>
<context>
    <name>frm_splash</name>
    <message>
        <source>Your video display is set to LARGE FONTS. This application requires a setting of Small Fonts. Right click on your desktop, select PROPERTIES,then SETTINGS. Change Fonts from Large to Small, then click on the APPLY button.</source>
        <translation>Ihre Bildschirmanzeige ist auf GROSSE SCHRIFTARTEN eingestellt. Diese Anwendung erfordert die Einstellung Kleine Schriftarten. Klicken Sie mit der rechten Maustaste auf den Desktop, wählen Sie EIGENSCHAFTEN und dann EINSTELLUNGEN. Ändern Sie die Schriftarten von Groß auf Klein und klicken Sie dann auf ÜBERNEHMEN.</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Willkommen</translation>
    </message>
    <message>
        <source>Veltrane Solitaire, in a bronze picture frame with a heart, a club, a spade and a diamond</source>
        <translation>Veltrane-Patience, in einem bronzenen Bilderrahmen mit einem Herz, einem Kreuz, einem Pik und einem Karo</translation>
    </message>
    <message>
        <source>ENTER HERE</source>
        <translation>HIER EINTRETEN</translation>
    </message>
</context>
<context>
    <name>frm_win</name>
    <message>
        <source>Veltrane Solitaire</source>
        <translation>Veltrane-Patience</translation>
    </message>
    <message>
        <source>Well Done!</source>
        <translation>Gut gemacht!</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
