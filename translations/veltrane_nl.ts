<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
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
        <translation>Gebruik: veltrane [opties]
Veltrane Patience, een patiencespel met kaarten voor één speler.
Het spel zelf kent geen opties; die van Qt worden aan Qt doorgegeven.

Opties:
  -h, --help     Toont deze hulptekst.
  -v, --version  Toont versie-informatie.

Opties van Qt, doorgegeven aan Qt (met één streepje of twee):
  -platform NAME, -platformpluginpath PATH, -platformtheme NAME, -plugin NAME,
  -display DISPLAY, -name NAME, -visual ID, -session ID (gegeven door een
  sessiebeheerder die het spel herstart), -style NAME, -stylesheet FILE,
  -qwindowgeometry GEOMETRY (-geometry), -qwindowtitle TITLE (-title),
  -qwindowicon FILE (-icon), -qmljsdebugger VALUE, -reverse, -widgetcount,
  -nograb, -dograb, -sync, -testability.

Bestanden, gelezen uit de map waarin het spel staat (%1):
  rules.txt, orvik.txt  de pagina&apos;s Regels en Over van Help
  SOUND/34.WAV          de begroeting van het welkomstscherm
  SOUND/APPLAUS.WAV     het applaus bij een overwinning
  veltrane-sound.so     de geluidsspeler, geladen bij het eerste geluid

Omgeving:
  QT_QPA_PLATFORM  het venstersysteem: xcb (X11, ook via Xwayland) of
                   wayland. Zonder waarde gebruikt het spel X als DISPLAY is
                   gezet, omdat het daar zelf zijn vensters plaatst, en
                   anders Wayland.
  DISPLAY, WAYLAND_DISPLAY
                   het X-scherm en het Wayland-scherm om te openen.
  QT_FONT_DPI, QT_SCALE_FACTOR
                   bij een scherm van 116 tot 125 pixels per inch verschijnt
                   de melding GROTE LETTERS en stopt het spel. Start het bij
                   een letter-DPI van 120 (125 % tekstschaal) als
                   QT_FONT_DPI=96 veltrane; bij een Qt-schaal van 1.25 als
                   QT_SCALE_FACTOR=1 veltrane.
  XDG_STATE_HOME   waar een lopend spel wordt opgeslagen voor de
                   sessiebeheerder (veltrane/session-KEY; ~/.local/state
                   als deze niet gezet is).
</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a value, not the option &apos;%2&apos;</source>
        <translation>optie &apos;%1&apos; heeft een waarde nodig, niet de optie &apos;%2&apos;</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a value</source>
        <translation>optie &apos;%1&apos; heeft een waarde nodig</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>onverwacht argument &apos;%1&apos;</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>onbekende optie &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Try &apos;veltrane --help&apos;.</source>
        <translation>Probeer &apos;veltrane --help&apos;.</translation>
    </message>
</context>
<context>
    <name>HelpFile</name>
    <message>
        <source>Not a regular file</source>
        <translation>Geen gewoon bestand</translation>
    </message>
    <message>
        <source>Line too long</source>
        <translation>Regel te lang</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>Click
Here</source>
        <extracomment>The words on the stock&apos;s turn-over card: two short lines, each at most about 8 letters, drawn on a 72 × 100 card</extracomment>
        <translation>Klik
hier</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Overflow</source>
        <translation>Overloop</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Onvoldoende geheugen</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Index valt buiten het bereik</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Deling door nul</translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <translation>Ongeldige afbeelding</translation>
    </message>
    <message>
        <source>Internal error</source>
        <translation>Interne fout</translation>
    </message>
    <message>
        <source>Run-time error &apos;%1&apos;:

%2</source>
        <translation>Fout tijdens uitvoering &apos;%1&apos;:

%2</translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>de map %1 kan niet worden aangemaakt</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>het is geen bestand</translation>
    </message>
    <message>
        <source>it is larger than a saved game can be</source>
        <translation>het is groter dan een opgeslagen spel kan zijn</translation>
    </message>
    <message>
        <source>it is not a saved game</source>
        <translation>het is geen opgeslagen spel</translation>
    </message>
    <message>
        <source>it was saved by another version</source>
        <translation>het is door een andere versie opgeslagen</translation>
    </message>
    <message>
        <source>it is cut short</source>
        <translation>het is afgekapt</translation>
    </message>
    <message>
        <source>line %1 cannot be read</source>
        <translation>regel %1 kan niet worden gelezen</translation>
    </message>
    <message>
        <source>line %1 names a card that lies elsewhere</source>
        <translation>regel %1 noemt een kaart die elders ligt</translation>
    </message>
    <message>
        <source>a card is missing</source>
        <translation>er ontbreekt een kaart</translation>
    </message>
    <message>
        <source>no game can reach its position</source>
        <translation>geen spel kan deze stand bereiken</translation>
    </message>
    <message>
        <source>the session&apos;s key is not a plain file name; the game in progress is not saved.</source>
        <translation>de sleutel van de sessie is geen gewone bestandsnaam; het lopende spel wordt niet opgeslagen.</translation>
    </message>
    <message>
        <source>the game in progress cannot be saved to %1: %2.</source>
        <translation>het lopende spel kan niet worden opgeslagen in %1: %2.</translation>
    </message>
    <message>
        <source>the session&apos;s key is not a plain file name; a new game starts.</source>
        <translation>de sleutel van de sessie is geen gewone bestandsnaam; er begint een nieuw spel.</translation>
    </message>
    <message>
        <source>the saved game %1 cannot be read: %2; a new game starts.</source>
        <translation>het opgeslagen spel %1 kan niet worden gelezen: %2; er begint een nieuw spel.</translation>
    </message>
    <message>
        <source>the saved game %1 is ignored, as %2; a new game starts.</source>
        <translation>het opgeslagen spel %1 wordt genegeerd, want %2; er begint een nieuw spel.</translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>Stock</source>
        <translation>Stapel</translation>
    </message>
    <message>
        <source>Waste</source>
        <translation>Aflegstapel</translation>
    </message>
    <message>
        <source>ace</source>
        <translation>aas</translation>
    </message>
    <message>
        <source>two</source>
        <translation>twee</translation>
    </message>
    <message>
        <source>three</source>
        <translation>drie</translation>
    </message>
    <message>
        <source>four</source>
        <translation>vier</translation>
    </message>
    <message>
        <source>five</source>
        <translation>vijf</translation>
    </message>
    <message>
        <source>six</source>
        <translation>zes</translation>
    </message>
    <message>
        <source>seven</source>
        <translation>zeven</translation>
    </message>
    <message>
        <source>eight</source>
        <translation>acht</translation>
    </message>
    <message>
        <source>nine</source>
        <translation>negen</translation>
    </message>
    <message>
        <source>ten</source>
        <translation>tien</translation>
    </message>
    <message>
        <source>jack</source>
        <translation>boer</translation>
    </message>
    <message>
        <source>queen</source>
        <translation>vrouw</translation>
    </message>
    <message>
        <source>king</source>
        <translation>heer</translation>
    </message>
    <message>
        <source>spades</source>
        <translation>schoppen</translation>
    </message>
    <message>
        <source>diamonds</source>
        <translation>ruiten</translation>
    </message>
    <message>
        <source>clubs</source>
        <translation>klaveren</translation>
    </message>
    <message>
        <source>hearts</source>
        <translation>harten</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>A card&apos;s name: %1 its rank (&quot;two&quot;), %2 its suit (&quot;spades&quot;). Put them in the order your language names a card.</extracomment>
        <translation>%2 %1</translation>
    </message>
    <message>
        <source>Spades slot %1</source>
        <extracomment>The name of a tableau slot; %1 is its place in its group, 1 to 4.</extracomment>
        <translation>Schoppenvak %1</translation>
    </message>
    <message>
        <source>Diamonds slot %1</source>
        <translation>Ruitenvak %1</translation>
    </message>
    <message>
        <source>Hearts slot %1</source>
        <translation>Hartenvak %1</translation>
    </message>
    <message>
        <source>Clubs slot %1</source>
        <translation>Klaverenvak %1</translation>
    </message>
    <message>
        <source>Spades foundation</source>
        <translation>Schoppen-basisstapel</translation>
    </message>
    <message>
        <source>Diamonds foundation</source>
        <translation>Ruiten-basisstapel</translation>
    </message>
    <message>
        <source>Hearts foundation</source>
        <translation>Harten-basisstapel</translation>
    </message>
    <message>
        <source>Clubs foundation</source>
        <translation>Klaveren-basisstapel</translation>
    </message>
    <message>
        <source>empty spades slot</source>
        <translation>leeg schoppenvak</translation>
    </message>
    <message>
        <source>empty diamonds slot</source>
        <translation>leeg ruitenvak</translation>
    </message>
    <message>
        <source>empty hearts slot</source>
        <translation>leeg hartenvak</translation>
    </message>
    <message>
        <source>empty clubs slot</source>
        <translation>leeg klaverenvak</translation>
    </message>
    <message>
        <source>empty</source>
        <extracomment>A place with no card: the waste, the spent stock.</extracomment>
        <translation>leeg</translation>
    </message>
    <message>
        <source>Click Here to turn the waste over</source>
        <translation>Klik hier om de aflegstapel terug te draaien</translation>
    </message>
    <message>
        <source>face down</source>
        <translation>gesloten</translation>
    </message>
    <message>
        <source>%1, selected</source>
        <extracomment>%1 is the picked card (&quot;two of spades, selected&quot;).</extracomment>
        <translation>%1, gekozen</translation>
    </message>
    <message>
        <source>no pass left</source>
        <translation>geen ronde meer</translation>
    </message>
    <message>
        <source>1 card</source>
        <extracomment>Cards left face down in the stock.</extracomment>
        <translation>1 kaart</translation>
    </message>
    <message numerus="yes">
        <source>%n cards</source>
        <translation>
            <numerusform>%n kaart</numerusform>
            <numerusform>%n kaarten</numerusform>
        </translation>
    </message>
    <message>
        <source>second pass</source>
        <extracomment>The stock is run through twice: which run this is.</extracomment>
        <translation>tweede ronde</translation>
    </message>
    <message>
        <source>first pass</source>
        <translation>eerste ronde</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>Two things said one after the other (&quot;eight of diamonds, 31 cards&quot;).</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>File &gt; Deal starts a game</source>
        <translation>Bestand &gt; Delen start een spel</translation>
    </message>
    <message>
        <source>%1 deselected</source>
        <extracomment>A click on the stock let go of the picked card %1.</extracomment>
        <translation>%1 niet meer gekozen</translation>
    </message>
    <message>
        <source>waste: %1</source>
        <extracomment>What the waste shows once its top card has been played: a card, or &quot;empty&quot;.</extracomment>
        <translation>aflegstapel: %1</translation>
    </message>
    <message>
        <source>only spades here</source>
        <extracomment>Why a card cannot go on this slot or foundation: it takes only this suit.</extracomment>
        <translation>alleen schoppen hier</translation>
    </message>
    <message>
        <source>only diamonds here</source>
        <translation>alleen ruiten hier</translation>
    </message>
    <message>
        <source>only hearts here</source>
        <translation>alleen harten hier</translation>
    </message>
    <message>
        <source>only clubs here</source>
        <translation>alleen klaveren hier</translation>
    </message>
    <message>
        <source>nothing selected</source>
        <translation>niets gekozen</translation>
    </message>
    <message>
        <source>%1 already selected</source>
        <extracomment>Another card, %1, is picked and must be put down or let go first.</extracomment>
        <translation>%1 al gekozen</translation>
    </message>
    <message>
        <source>needs %1</source>
        <extracomment>The foundation takes the card %1 next, and only that one.</extracomment>
        <translation>heeft %1 nodig</translation>
    </message>
</context>
<context>
    <name>frm_board</name>
    <message>
        <source>Veltrane Solitaire</source>
        <translation>Veltrane Patience</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>&amp;Deal</source>
        <translation>&amp;Delen</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Rules</source>
        <translation>&amp;Regels</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Over...</translation>
    </message>
</context>
<context>
    <name>frm_help</name>
    <message>
        <source>Veltrane - Help</source>
        <translation>Veltrane - Help</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Regels</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Over</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>ORVIK, games for quiet hours</source>
        <translation>ORVIK, spellen voor rustige uren</translation>
    </message>
    <message>
        <source>Veltrane Solitaire, around a copper card frame with a club</source>
        <translation>Veltrane Patience, rond een koperen lijst in kaartvorm met een klaver</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>Kan %1 niet lezen: %2</translation>
    </message>
    <message>
        <source>oops, unable to link you there</source>
        <translation>oeps, die link kan niet worden geopend</translation>
    </message>
    <message>
        <source>Rules page</source>
        <translation>Pagina Regels</translation>
    </message>
    <message>
        <source>About page</source>
        <translation>Pagina Over</translation>
    </message>
    <message>
        <source>About page, Shift+Tab to read</source>
        <translation>Pagina Over, Shift+Tab om te lezen</translation>
    </message>
    <message>
        <source>Rules page, Shift+Tab to read</source>
        <translation>Pagina Regels, Shift+Tab om te lezen</translation>
    </message>
</context>
<context>
    <name>frm_splash</name>
    <message>
        <source>Your video display is set to LARGE FONTS. This application requires a setting of Small Fonts. Right click on your desktop, select PROPERTIES,then SETTINGS. Change Fonts from Large to Small, then click on the APPLY button.</source>
        <translation>Uw beeldscherm staat ingesteld op GROTE LETTERS. Deze toepassing vereist de instelling Kleine letters. Klik met de rechtermuisknop op het bureaublad, kies EIGENSCHAPPEN en dan INSTELLINGEN. Wijzig de letters van Groot naar Klein en klik dan op de knop TOEPASSEN.</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Welkom</translation>
    </message>
    <message>
        <source>Veltrane Solitaire, in a bronze picture frame with a heart, a club, a spade and a diamond</source>
        <translation>Veltrane Patience, in een bronzen lijst met een harten-, een klaveren-, een schoppen- en een ruitenteken</translation>
    </message>
    <message>
        <source>ENTER HERE</source>
        <translation>HIER BINNENGAAN</translation>
    </message>
</context>
<context>
    <name>frm_win</name>
    <message>
        <source>Veltrane Solitaire</source>
        <translation>Veltrane Patience</translation>
    </message>
    <message>
        <source>Well Done!</source>
        <translation>Goed gedaan!</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
