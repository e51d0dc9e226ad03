<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a value, not the option &apos;%2&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Try &apos;veltrane --help&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HelpFile</name>
    <message>
        <source>Not a regular file</source>
        <translation>不是普通文件</translation>
    </message>
    <message>
        <source>Line too long</source>
        <translation>行太长</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Overflow</source>
        <translation>溢出</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>内存不足</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>下标越界</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>除数为零</translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <translation>无效图片</translation>
    </message>
    <message>
        <source>Internal error</source>
        <translation>内部错误</translation>
    </message>
    <message>
        <source>Run-time error &apos;%1&apos;:

%2</source>
        <translation>运行时错误 &apos;%1&apos;:

%2</translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is larger than a saved game can be</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a saved game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it was saved by another version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is cut short</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1 cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1 names a card that lies elsewhere</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a card is missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no game can reach its position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the session&apos;s key is not a plain file name; the game in progress is not saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the game in progress cannot be saved to %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the session&apos;s key is not a plain file name; a new game starts.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the saved game %1 cannot be read: %2; a new game starts.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the saved game %1 is ignored, as %2; a new game starts.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>Stock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>two</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>three</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>four</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>five</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>six</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>seven</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>eight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>jack</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>queen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>king</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>spades</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>diamonds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>clubs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hearts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>A card&apos;s name: %1 its rank (&quot;two&quot;), %2 its suit (&quot;spades&quot;). Put them in the order your language names a card.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spades slot %1</source>
        <extracomment>The name of a tableau slot; %1 is its place in its group, 1 to 4.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diamonds slot %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hearts slot %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clubs slot %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spades foundation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diamonds foundation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hearts foundation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clubs foundation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>empty spades slot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>empty diamonds slot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>empty hearts slot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>empty clubs slot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>empty</source>
        <extracomment>A place with no card: the waste, the spent stock.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click Here to turn the waste over</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>face down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, selected</source>
        <extracomment>%1 is the picked card (&quot;two of spades, selected&quot;).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no pass left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 card</source>
        <extracomment>Cards left face down in the stock.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n cards</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>second pass</source>
        <extracomment>The stock is run through twice: which run this is.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>first pass</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>Two things said one after the other (&quot;eight of diamonds, 31 cards&quot;).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File &gt; Deal starts a game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 deselected</source>
        <extracomment>A click on the stock let go of the picked card %1.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>waste: %1</source>
        <extracomment>What the waste shows once its top card has been played: a card, or &quot;empty&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>only spades here</source>
        <extracomment>Why a card cannot go on this slot or foundation: it takes only this suit.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>only diamonds here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>only hearts here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>only clubs here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nothing selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 already selected</source>
        <extracomment>Another card, %1, is picked and must be put down or let go first.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>needs %1</source>
        <extracomment>The foundation takes the card %1 next, and only that one.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frm_board</name>
    <message>
        <source>Veltrane Solitaire</source>
        <translation>Veltrane 纸牌</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Deal</source>
        <translation>发牌(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Rules</source>
        <translation>规则(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>关于(&amp;A)...</translation>
    </message>
</context>
<context>
    <name>frm_help</name>
    <message>
        <source>Veltrane - Help</source>
        <translation>Veltrane - 帮助</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>规则</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>ORVIK, games for quiet hours</source>
        <translation>ORVIK，为安静时光而做的游戏</translation>
    </message>
    <message>
        <source>Veltrane Solitaire, around a copper card frame with a club</source>
        <translation>Veltrane 纸牌，围绕着一个带梅花的铜色纸牌边框</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>无法读取 %1：%2</translation>
    </message>
    <message>
        <source>oops, unable to link you there</source>
        <translation>哎呀，无法打开该链接</translation>
    </message>
    <message>
        <source>Rules page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About page, Shift+Tab to read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rules page, Shift+Tab to read</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frm_splash</name>
    <message>
        <source>Your video display is set to LARGE FONTS. This application requires a setting of Small Fonts. Right click on your desktop, select PROPERTIES,then SETTINGS. Change Fonts from Large to Small, then click on the APPLY button.</source>
        <translation>您的显示器设置为“大字体”。本程序需要“小字体”设置。请右键单击桌面，选择“属性”，然后选择“设置”。将字体从“大”改为“小”，然后单击“应用”按钮。</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>欢迎</translation>
    </message>
    <message>
        <source>Veltrane Solitaire, in a bronze picture frame with a heart, a club, a spade and a diamond</source>
        <translation>Veltrane 纸牌，置于饰有红心、梅花、黑桃和方块的青铜画框中</translation>
    </message>
    <message>
        <source>ENTER HERE</source>
        <translation>点此进入</translation>
    </message>
</context>
<context>
    <name>frm_win</name>
    <message>
        <source>Veltrane Solitaire</source>
        <translation>Veltrane 纸牌</translation>
    </message>
    <message>
        <source>Well Done!</source>
        <translation>干得好！</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
</TS>
