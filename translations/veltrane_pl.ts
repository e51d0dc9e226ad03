<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
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
        <translation>Użycie: veltrane [opcje]
Pasjans Veltrane, gra karciana dla jednego gracza.
Sama gra nie przyjmuje opcji; własne opcje Qt są przekazywane do Qt.

Opcje:
  -h, --help     Wyświetla tę pomoc.
  -v, --version  Wyświetla informacje o wersji.

Opcje Qt, przekazywane do Qt (z jednym lub dwoma myślnikami):
  -platform NAZWA, -platformpluginpath ŚCIEŻKA, -platformtheme NAZWA,
  -plugin NAZWA, -display EKRAN, -name NAZWA, -visual ID, -session ID (podaje
  go menedżer sesji, który uruchamia grę ponownie), -style NAZWA,
  -stylesheet PLIK, -qwindowgeometry GEOMETRIA (-geometry),
  -qwindowtitle TYTUŁ (-title), -qwindowicon PLIK (-icon),
  -qmljsdebugger WARTOŚĆ, -reverse, -widgetcount, -nograb, -dograb, -sync,
  -testability.

Pliki, czytane z folderu, w którym jest gra (%1):
  rules.txt, orvik.txt  strony Zasady i O grze w Pomocy
  SOUND/34.WAV          powitanie na ekranie startowym
  SOUND/APPLAUS.WAV     oklaski po wygranej
  veltrane-sound.so     odtwarzacz dźwięku, ładowany z pierwszym dźwiękiem

Zmienne środowiskowe:
  QT_QPA_PLATFORM  system okien: xcb (X11, także przez Xwayland) lub
                   wayland. Gdy nie jest ustawiona, gra używa X, jeśli
                   ustawiona jest DISPLAY, bo tam sama rozmieszcza swoje
                   okna, a w przeciwnym razie Waylanda.
  DISPLAY, WAYLAND_DISPLAY
                   ekran X i ekran Wayland do otwarcia.
  QT_FONT_DPI, QT_SCALE_FACTOR
                   przy gęstości ekranu od 116 do 125 pikseli na cal pojawia
                   się komunikat DUŻE CZCIONKI i gra się kończy. Przy DPI
                   czcionek 120 (skala tekstu 125 %) uruchom ją jako
                   QT_FONT_DPI=96 veltrane; przy skali Qt 1,25 jako
                   QT_SCALE_FACTOR=1 veltrane.
  XDG_STATE_HOME   gdzie zapisywana jest bieżąca gra dla menedżera sesji
                   (veltrane/session-KEY; gdy nie jest ustawiona,
                   ~/.local/state).
</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a value, not the option &apos;%2&apos;</source>
        <translation>opcja &apos;%1&apos; wymaga wartości, a nie opcji &apos;%2&apos;</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a value</source>
        <translation>opcja &apos;%1&apos; wymaga wartości</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>nieoczekiwany argument &apos;%1&apos;</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>nieznana opcja &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Try &apos;veltrane --help&apos;.</source>
        <translation>Spróbuj &apos;veltrane --help&apos;.</translation>
    </message>
</context>
<context>
    <name>HelpFile</name>
    <message>
        <source>Not a regular file</source>
        <translation>To nie jest zwykły plik</translation>
    </message>
    <message>
        <source>Line too long</source>
        <translation>Zbyt długi wiersz</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>Click
Here</source>
        <extracomment>The words on the stock&apos;s turn-over card: two short lines, each at most about 8 letters, drawn on a 72 × 100 card</extracomment>
        <translation>Kliknij
tutaj</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Overflow</source>
        <translation>Przepełnienie</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Brak pamięci</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Indeks poza zakresem</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Dzielenie przez zero</translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <translation>Nieprawidłowy obraz</translation>
    </message>
    <message>
        <source>Internal error</source>
        <translation>Błąd wewnętrzny</translation>
    </message>
    <message>
        <source>Run-time error &apos;%1&apos;:

%2</source>
        <translation>Błąd wykonania &apos;%1&apos;:

%2</translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>nie można utworzyć folderu %1</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>to nie jest plik</translation>
    </message>
    <message>
        <source>it is larger than a saved game can be</source>
        <translation>jest większa, niż może być zapisana gra</translation>
    </message>
    <message>
        <source>it is not a saved game</source>
        <translation>to nie jest zapisana gra</translation>
    </message>
    <message>
        <source>it was saved by another version</source>
        <translation>zapisała ją inna wersja</translation>
    </message>
    <message>
        <source>it is cut short</source>
        <translation>jest ucięta</translation>
    </message>
    <message>
        <source>line %1 cannot be read</source>
        <translation>nie można odczytać wiersza %1</translation>
    </message>
    <message>
        <source>line %1 names a card that lies elsewhere</source>
        <translation>wiersz %1 wskazuje kartę, która leży gdzie indziej</translation>
    </message>
    <message>
        <source>a card is missing</source>
        <translation>brakuje karty</translation>
    </message>
    <message>
        <source>no game can reach its position</source>
        <translation>żadna gra nie może dojść do jej układu</translation>
    </message>
    <message>
        <source>the session&apos;s key is not a plain file name; the game in progress is not saved.</source>
        <translation>klucz sesji nie jest zwykłą nazwą pliku; bieżąca gra nie zostaje zapisana.</translation>
    </message>
    <message>
        <source>the game in progress cannot be saved to %1: %2.</source>
        <translation>nie można zapisać bieżącej gry w %1: %2.</translation>
    </message>
    <message>
        <source>the session&apos;s key is not a plain file name; a new game starts.</source>
        <translation>klucz sesji nie jest zwykłą nazwą pliku; zaczyna się nowa gra.</translation>
    </message>
    <message>
        <source>the saved game %1 cannot be read: %2; a new game starts.</source>
        <translation>nie można odczytać zapisanej gry %1: %2; zaczyna się nowa gra.</translation>
    </message>
    <message>
        <source>the saved game %1 is ignored, as %2; a new game starts.</source>
        <translation>zapisana gra %1 zostaje pominięta, ponieważ %2; zaczyna się nowa gra.</translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>Stock</source>
        <translation>Talia</translation>
    </message>
    <message>
        <source>Waste</source>
        <translation>Stos odrzuconych</translation>
    </message>
    <message>
        <source>ace</source>
        <translation>as</translation>
    </message>
    <message>
        <source>two</source>
        <translation>dwójka</translation>
    </message>
    <message>
        <source>three</source>
        <translation>trójka</translation>
    </message>
    <message>
        <source>four</source>
        <translation>czwórka</translation>
    </message>
    <message>
        <source>five</source>
        <translation>piątka</translation>
    </message>
    <message>
        <source>six</source>
        <translation>szóstka</translation>
    </message>
    <message>
        <source>seven</source>
        <translation>siódemka</translation>
    </message>
    <message>
        <source>eight</source>
        <translation>ósemka</translation>
    </message>
    <message>
        <source>nine</source>
        <translation>dziewiątka</translation>
    </message>
    <message>
        <source>ten</source>
        <translation>dziesiątka</translation>
    </message>
    <message>
        <source>jack</source>
        <translation>walet</translation>
    </message>
    <message>
        <source>queen</source>
        <translation>dama</translation>
    </message>
    <message>
        <source>king</source>
        <translation>król</translation>
    </message>
    <message>
        <source>spades</source>
        <translation>pik</translation>
    </message>
    <message>
        <source>diamonds</source>
        <translation>karo</translation>
    </message>
    <message>
        <source>clubs</source>
        <translation>trefl</translation>
    </message>
    <message>
        <source>hearts</source>
        <translation>kier</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>A card&apos;s name: %1 its rank (&quot;two&quot;), %2 its suit (&quot;spades&quot;). Put them in the order your language names a card.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Spades slot %1</source>
        <extracomment>The name of a tableau slot; %1 is its place in its group, 1 to 4.</extracomment>
        <translation>Pole pików %1</translation>
    </message>
    <message>
        <source>Diamonds slot %1</source>
        <translation>Pole kar %1</translation>
    </message>
    <message>
        <source>Hearts slot %1</source>
        <translation>Pole kierów %1</translation>
    </message>
    <message>
        <source>Clubs slot %1</source>
        <translation>Pole trefli %1</translation>
    </message>
    <message>
        <source>Spades foundation</source>
        <translation>Stos bazowy pików</translation>
    </message>
    <message>
        <source>Diamonds foundation</source>
        <translation>Stos bazowy kar</translation>
    </message>
    <message>
        <source>Hearts foundation</source>
        <translation>Stos bazowy kierów</translation>
    </message>
    <message>
        <source>Clubs foundation</source>
        <translation>Stos bazowy trefli</translation>
    </message>
    <message>
        <source>empty spades slot</source>
        <translation>puste pole pików</translation>
    </message>
    <message>
        <source>empty diamonds slot</source>
        <translation>puste pole kar</translation>
    </message>
    <message>
        <source>empty hearts slot</source>
        <translation>puste pole kierów</translation>
    </message>
    <message>
        <source>empty clubs slot</source>
        <translation>puste pole trefli</translation>
    </message>
    <message>
        <source>empty</source>
        <extracomment>A place with no card: the waste, the spent stock.</extracomment>
        <translation>pusto</translation>
    </message>
    <message>
        <source>Click Here to turn the waste over</source>
        <translation>Kliknij tutaj, aby odwrócić stos odrzuconych</translation>
    </message>
    <message>
        <source>face down</source>
        <translation>zakryta</translation>
    </message>
    <message>
        <source>%1, selected</source>
        <extracomment>%1 is the picked card (&quot;two of spades, selected&quot;).</extracomment>
        <translation>%1, karta zaznaczona</translation>
    </message>
    <message>
        <source>no pass left</source>
        <translation>brak przejść</translation>
    </message>
    <message>
        <source>1 card</source>
        <extracomment>Cards left face down in the stock.</extracomment>
        <translation>1 karta</translation>
    </message>
    <message numerus="yes">
        <source>%n cards</source>
        <translation>
            <numerusform>%n karta</numerusform>
            <numerusform>%n karty</numerusform>
            <numerusform>%n kart</numerusform>
        </translation>
    </message>
    <message>
        <source>second pass</source>
        <extracomment>The stock is run through twice: which run this is.</extracomment>
        <translation>drugie przejście</translation>
    </message>
    <message>
        <source>first pass</source>
        <translation>pierwsze przejście</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>Two things said one after the other (&quot;eight of diamonds, 31 cards&quot;).</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>File &gt; Deal starts a game</source>
        <translation>Plik &gt; Rozdaj zaczyna grę</translation>
    </message>
    <message>
        <source>%1 deselected</source>
        <extracomment>A click on the stock let go of the picked card %1.</extracomment>
        <translation>%1, karta odznaczona</translation>
    </message>
    <message>
        <source>waste: %1</source>
        <extracomment>What the waste shows once its top card has been played: a card, or &quot;empty&quot;.</extracomment>
        <translation>stos odrzuconych: %1</translation>
    </message>
    <message>
        <source>only spades here</source>
        <extracomment>Why a card cannot go on this slot or foundation: it takes only this suit.</extracomment>
        <translation>tu tylko karty pik</translation>
    </message>
    <message>
        <source>only diamonds here</source>
        <translation>tu tylko karty karo</translation>
    </message>
    <message>
        <source>only hearts here</source>
        <translation>tu tylko karty kier</translation>
    </message>
    <message>
        <source>only clubs here</source>
        <translation>tu tylko karty trefl</translation>
    </message>
    <message>
        <source>nothing selected</source>
        <translation>nic nie zaznaczono</translation>
    </message>
    <message>
        <source>%1 already selected</source>
        <extracomment>Another card, %1, is picked and must be put down or let go first.</extracomment>
        <translation>%1, karta już zaznaczona</translation>
    </message>
    <message>
        <source>needs %1</source>
        <extracomment>The foundation takes the card %1 next, and only that one.</extracomment>
        <translation>potrzebna karta: %1</translation>
    </message>
</context>
<context>
    <name>frm_board</name>
    <message>
        <source>Veltrane Solitaire</source>
        <translation>Pasjans Veltrane</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>&amp;Deal</source>
        <translation>&amp;Rozdaj</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Zakończ</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>P&amp;omoc</translation>
    </message>
    <message>
        <source>&amp;Rules</source>
        <translation>&amp;Zasady</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;O grze...</translation>
    </message>
</context>
<context>
    <name>frm_help</name>
    <message>
        <source>Veltrane - Help</source>
        <translation>Veltrane - Pomoc</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Zasady</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O grze</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>ORVIK, games for quiet hours</source>
        <translation>ORVIK, gry na spokojne chwile</translation>
    </message>
    <message>
        <source>Veltrane Solitaire, around a copper card frame with a club</source>
        <translation>Pasjans Veltrane, wokół miedzianej ramki karty z treflem</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>Nie można odczytać %1: %2</translation>
    </message>
    <message>
        <source>oops, unable to link you there</source>
        <translation>ups, nie udało się otworzyć tego łącza</translation>
    </message>
    <message>
        <source>Rules page</source>
        <translation>Strona zasad</translation>
    </message>
    <message>
        <source>About page</source>
        <translation>Strona o grze</translation>
    </message>
    <message>
        <source>About page, Shift+Tab to read</source>
        <translation>Strona o grze, Shift+Tab, aby przeczytać</translation>
    </message>
    <message>
        <source>Rules page, Shift+Tab to read</source>
        <translation>Strona zasad, Shift+Tab, aby przeczytać</translation>
    </message>
</context>
<context>
    <name>frm_splash</name>
    <message>
        <source>Your video display is set to LARGE FONTS. This application requires a setting of Small Fonts. Right click on your desktop, select PROPERTIES,then SETTINGS. Change Fonts from Large to Small, then click on the APPLY button.</source>
        <translation>Ekran jest ustawiony na DUŻE CZCIONKI. Ta aplikacja wymaga ustawienia Małe czcionki. Kliknij prawym przyciskiem myszy pulpit, wybierz WŁAŚCIWOŚCI, a następnie USTAWIENIA. Zmień czcionki z Dużych na Małe, a potem kliknij przycisk ZASTOSUJ.</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Witaj</translation>
    </message>
    <message>
        <source>Veltrane Solitaire, in a bronze picture frame with a heart, a club, a spade and a diamond</source>
        <translation>Pasjans Veltrane w brązowej ramie z kierem, treflem, pikiem i karem</translation>
    </message>
    <message>
        <source>ENTER HERE</source>
        <translation>WEJDŹ TUTAJ</translation>
    </message>
</context>
<context>
    <name>frm_win</name>
    <message>
        <source>Veltrane Solitaire</source>
        <translation>Pasjans Veltrane</translation>
    </message>
    <message>
        <source>Well Done!</source>
        <translation>Brawo!</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
