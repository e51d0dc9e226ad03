<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
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
        <translation>Использование: veltrane [параметры]
Пасьянс Veltrane, карточная игра для одного игрока.
Сама игра не принимает параметров; собственные параметры Qt передаются Qt.

Параметры:
  -h, --help     Показать эту справку.
  -v, --version  Показать сведения о версии.

Параметры Qt, передаваемые Qt (с одним или двумя дефисами):
  -platform ИМЯ, -platformpluginpath ПУТЬ, -platformtheme ИМЯ, -plugin ИМЯ,
  -display ДИСПЛЕЙ, -name ИМЯ, -visual ID, -session ID (его передаёт
  менеджер сеансов, который перезапускает игру), -style ИМЯ, -stylesheet ФАЙЛ,
  -qwindowgeometry ГЕОМЕТРИЯ (-geometry), -qwindowtitle ЗАГОЛОВОК (-title),
  -qwindowicon ФАЙЛ (-icon), -qmljsdebugger ЗНАЧЕНИЕ, -reverse, -widgetcount,
  -nograb, -dograb, -sync, -testability.

Файлы, читаемые из папки, где лежит игра (%1):
  rules.txt, orvik.txt  страницы «Правила» и «О программе» справки
  SOUND/34.WAV          приветствие заставки
  SOUND/APPLAUS.WAV     аплодисменты при победе
  veltrane-sound.so     проигрыватель звука, загружается с первым звуком

Переменные окружения:
  QT_QPA_PLATFORM  оконная система: xcb (X11, также через Xwayland) или
                   wayland. Если она не задана, игра использует X, когда
                   задана DISPLAY, так как там сама располагает свои окна,
                   а иначе Wayland.
  DISPLAY, WAYLAND_DISPLAY
                   открываемые дисплей X и дисплей Wayland.
  QT_FONT_DPI, QT_SCALE_FACTOR
                   при дисплее от 116 до 125 пикселей на дюйм появляется
                   сообщение о КРУПНЫХ ШРИФТАХ, и игра завершается. При DPI
                   шрифта 120 (масштаб текста 125 %) запускайте её как
                   QT_FONT_DPI=96 veltrane; при масштабе Qt 1,25 — как
                   QT_SCALE_FACTOR=1 veltrane.
  XDG_STATE_HOME   куда сохраняется текущая игра для менеджера сеансов
                   (veltrane/session-KEY; если она не задана, ~/.local/state).
</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a value, not the option &apos;%2&apos;</source>
        <translation>параметр &apos;%1&apos; требует значения, а не параметра &apos;%2&apos;</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a value</source>
        <translation>параметр &apos;%1&apos; требует значения</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>неожиданный аргумент &apos;%1&apos;</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>неизвестный параметр &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Try &apos;veltrane --help&apos;.</source>
        <translation>Попробуйте &apos;veltrane --help&apos;.</translation>
    </message>
</context>
<context>
    <name>HelpFile</name>
    <message>
        <source>Not a regular file</source>
        <translation>Это не обычный файл</translation>
    </message>
    <message>
        <source>Line too long</source>
        <translation>Слишком длинная строка</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>Click
Here</source>
        <extracomment>The words on the stock&apos;s turn-over card: two short lines, each at most about 8 letters, drawn on a 72 × 100 card</extracomment>
        <translation>Щёлкните
здесь</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Overflow</source>
        <translation>Переполнение</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Недостаточно памяти</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Индекс вне допустимого диапазона</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Деление на ноль</translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <translation>Недопустимое изображение</translation>
    </message>
    <message>
        <source>Internal error</source>
        <translation>Внутренняя ошибка</translation>
    </message>
    <message>
        <source>Run-time error &apos;%1&apos;:

%2</source>
        <translation>Ошибка выполнения &apos;%1&apos;:

%2</translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>не удаётся создать папку %1</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>это не файл</translation>
    </message>
    <message>
        <source>it is larger than a saved game can be</source>
        <translation>она больше, чем может быть сохранённая игра</translation>
    </message>
    <message>
        <source>it is not a saved game</source>
        <translation>это не сохранённая игра</translation>
    </message>
    <message>
        <source>it was saved by another version</source>
        <translation>она сохранена другой версией</translation>
    </message>
    <message>
        <source>it is cut short</source>
        <translation>она обрезана</translation>
    </message>
    <message>
        <source>line %1 cannot be read</source>
        <translation>строку %1 не удаётся прочитать</translation>
    </message>
    <message>
        <source>line %1 names a card that lies elsewhere</source>
        <translation>строка %1 называет карту, которая лежит в другом месте</translation>
    </message>
    <message>
        <source>a card is missing</source>
        <translation>не хватает карты</translation>
    </message>
    <message>
        <source>no game can reach its position</source>
        <translation>её позиция недостижима ни в одной игре</translation>
    </message>
    <message>
        <source>the session&apos;s key is not a plain file name; the game in progress is not saved.</source>
        <translation>ключ сеанса — не простое имя файла; текущая игра не сохраняется.</translation>
    </message>
    <message>
        <source>the game in progress cannot be saved to %1: %2.</source>
        <translation>текущую игру не удаётся сохранить в %1: %2.</translation>
    </message>
    <message>
        <source>the session&apos;s key is not a plain file name; a new game starts.</source>
        <translation>ключ сеанса — не простое имя файла; начинается новая игра.</translation>
    </message>
    <message>
        <source>the saved game %1 cannot be read: %2; a new game starts.</source>
        <translation>не удаётся прочитать сохранённую игру %1: %2; начинается новая игра.</translation>
    </message>
    <message>
        <source>the saved game %1 is ignored, as %2; a new game starts.</source>
        <translation>сохранённая игра %1 пропущена, так как %2; начинается новая игра.</translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>Stock</source>
        <translation>Колода</translation>
    </message>
    <message>
        <source>Waste</source>
        <translation>Отбой</translation>
    </message>
    <message>
        <source>ace</source>
        <translation>туз</translation>
    </message>
    <message>
        <source>two</source>
        <translation>двойка</translation>
    </message>
    <message>
        <source>three</source>
        <translation>тройка</translation>
    </message>
    <message>
        <source>four</source>
        <translation>четвёрка</translation>
    </message>
    <message>
        <source>five</source>
        <translation>пятёрка</translation>
    </message>
    <message>
        <source>six</source>
        <translation>шестёрка</translation>
    </message>
    <message>
        <source>seven</source>
        <translation>семёрка</translation>
    </message>
    <message>
        <source>eight</source>
        <translation>восьмёрка</translation>
    </message>
    <message>
        <source>nine</source>
        <translation>девятка</translation>
    </message>
    <message>
        <source>ten</source>
        <translation>десятка</translation>
    </message>
    <message>
        <source>jack</source>
        <translation>валет</translation>
    </message>
    <message>
        <source>queen</source>
        <translation>дама</translation>
    </message>
    <message>
        <source>king</source>
        <translation>король</translation>
    </message>
    <message>
        <source>spades</source>
        <translation>пик</translation>
    </message>
    <message>
        <source>diamonds</source>
        <translation>бубен</translation>
    </message>
    <message>
        <source>clubs</source>
        <translation>треф</translation>
    </message>
    <message>
        <source>hearts</source>
        <translation>червей</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>A card&apos;s name: %1 its rank (&quot;two&quot;), %2 its suit (&quot;spades&quot;). Put them in the order your language names a card.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Spades slot %1</source>
        <extracomment>The name of a tableau slot; %1 is its place in its group, 1 to 4.</extracomment>
        <translation>Ячейка пик %1</translation>
    </message>
    <message>
        <source>Diamonds slot %1</source>
        <translation>Ячейка бубен %1</translation>
    </message>
    <message>
        <source>Hearts slot %1</source>
        <translation>Ячейка червей %1</translation>
    </message>
    <message>
        <source>Clubs slot %1</source>
        <translation>Ячейка треф %1</translation>
    </message>
    <message>
        <source>Spades foundation</source>
        <translation>Базовая стопка пик</translation>
    </message>
    <message>
        <source>Diamonds foundation</source>
        <translation>Базовая стопка бубен</translation>
    </message>
    <message>
        <source>Hearts foundation</source>
        <translation>Базовая стопка червей</translation>
    </message>
    <message>
        <source>Clubs foundation</source>
        <translation>Базовая стопка треф</translation>
    </message>
    <message>
        <source>empty spades slot</source>
        <translation>пустая ячейка пик</translation>
    </message>
    <message>
        <source>empty diamonds slot</source>
        <translation>пустая ячейка бубен</translation>
    </message>
    <message>
        <source>empty hearts slot</source>
        <translation>пустая ячейка червей</translation>
    </message>
    <message>
        <source>empty clubs slot</source>
        <translation>пустая ячейка треф</translation>
    </message>
    <message>
        <source>empty</source>
        <extracomment>A place with no card: the waste, the spent stock.</extracomment>
        <translation>пусто</translation>
    </message>
    <message>
        <source>Click Here to turn the waste over</source>
        <translation>Щёлкните здесь, чтобы перевернуть отбой</translation>
    </message>
    <message>
        <source>face down</source>
        <translation>рубашкой вверх</translation>
    </message>
    <message>
        <source>%1, selected</source>
        <extracomment>%1 is the picked card (&quot;two of spades, selected&quot;).</extracomment>
        <translation>%1, карта выбрана</translation>
    </message>
    <message>
        <source>no pass left</source>
        <translation>проходов больше нет</translation>
    </message>
    <message>
        <source>1 card</source>
        <extracomment>Cards left face down in the stock.</extracomment>
        <translation>1 карта</translation>
    </message>
    <message numerus="yes">
        <source>%n cards</source>
        <translation>
            <numerusform>%n карта</numerusform>
            <numerusform>%n карты</numerusform>
            <numerusform>%n карт</numerusform>
        </translation>
    </message>
    <message>
        <source>second pass</source>
        <extracomment>The stock is run through twice: which run this is.</extracomment>
        <translation>второй проход</translation>
    </message>
    <message>
        <source>first pass</source>
        <translation>первый проход</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>Two things said one after the other (&quot;eight of diamonds, 31 cards&quot;).</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>File &gt; Deal starts a game</source>
        <translation>Файл &gt; Раздать начинает игру</translation>
    </message>
    <message>
        <source>%1 deselected</source>
        <extracomment>A click on the stock let go of the picked card %1.</extracomment>
        <translation>%1, выбор снят</translation>
    </message>
    <message>
        <source>waste: %1</source>
        <extracomment>What the waste shows once its top card has been played: a card, or &quot;empty&quot;.</extracomment>
        <translation>отбой: %1</translation>
    </message>
    <message>
        <source>only spades here</source>
        <extracomment>Why a card cannot go on this slot or foundation: it takes only this suit.</extracomment>
        <translation>сюда только пики</translation>
    </message>
    <message>
        <source>only diamonds here</source>
        <translation>сюда только бубны</translation>
    </message>
    <message>
        <source>only hearts here</source>
        <translation>сюда только черви</translation>
    </message>
    <message>
        <source>only clubs here</source>
        <translation>сюда только трефы</translation>
    </message>
    <message>
        <source>nothing selected</source>
        <translation>ничего не выбрано</translation>
    </message>
    <message>
        <source>%1 already selected</source>
        <extracomment>Another card, %1, is picked and must be put down or let go first.</extracomment>
        <translation>%1, карта уже выбрана</translation>
    </message>
    <message>
        <source>needs %1</source>
        <extracomment>The foundation takes the card %1 next, and only that one.</extracomment>
        <translation>нужна карта: %1</translation>
    </message>
</context>
<context>
    <name>frm_board</name>
    <message>
        <source>Veltrane Solitaire</source>
        <translation>Пасьянс Veltrane</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;Deal</source>
        <translation>&amp;Раздать</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Выход</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>&amp;Rules</source>
        <translation>&amp;Правила</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;О программе...</translation>
    </message>
</context>
<context>
    <name>frm_help</name>
    <message>
        <source>Veltrane - Help</source>
        <translation>Veltrane - Справка</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Правила</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>ORVIK, games for quiet hours</source>
        <translation>ORVIK, игры для тихих часов</translation>
    </message>
    <message>
        <source>Veltrane Solitaire, around a copper card frame with a club</source>
        <translation>Пасьянс Veltrane вокруг медной рамки карты с трефой</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>Не удаётся прочитать %1: %2</translation>
    </message>
    <message>
        <source>oops, unable to link you there</source>
        <translation>ой, не удалось открыть эту ссылку</translation>
    </message>
    <message>
        <source>Rules page</source>
        <translation>Страница правил</translation>
    </message>
    <message>
        <source>About page</source>
        <translation>Страница о программе</translation>
    </message>
    <message>
        <source>About page, Shift+Tab to read</source>
        <translation>Страница о программе, Shift+Tab для чтения</translation>
    </message>
    <message>
        <source>Rules page, Shift+Tab to read</source>
        <translation>Страница правил, Shift+Tab для чтения</translation>
    </message>
</context>
<context>
    <name>frm_splash</name>
    <message>
        <source>Your video display is set to LARGE FONTS. This application requires a setting of Small Fonts. Right click on your desktop, select PROPERTIES,then SETTINGS. Change Fonts from Large to Small, then click on the APPLY button.</source>
        <translation>Для экрана выбраны КРУПНЫЕ ШРИФТЫ. Этому приложению нужна настройка «Мелкие шрифты». Щёлкните правой кнопкой мыши по рабочему столу, выберите СВОЙСТВА, затем ПАРАМЕТРЫ. Смените шрифты с крупных на мелкие и нажмите кнопку ПРИМЕНИТЬ.</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Добро пожаловать</translation>
    </message>
    <message>
        <source>Veltrane Solitaire, in a bronze picture frame with a heart, a club, a spade and a diamond</source>
        <translation>Пасьянс Veltrane в бронзовой раме с червой, трефой, пикой и бубной</translation>
    </message>
    <message>
        <source>ENTER HERE</source>
        <translation>ВХОД ЗДЕСЬ</translation>
    </message>
</context>
<context>
    <name>frm_win</name>
    <message>
        <source>Veltrane Solitaire</source>
        <translation>Пасьянс Veltrane</translation>
    </message>
    <message>
        <source>Well Done!</source>
        <translation>Отлично!</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
</context>
</TS>
