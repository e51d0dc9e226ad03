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
        <translation>用法：veltrane [选项]
Veltrane 纸牌是一款单人纸牌游戏。
游戏本身不接受任何选项；Qt 自己的选项会传给 Qt。

选项：
  -h, --help     显示此帮助。
  -v, --version  显示版本信息。

Qt 的选项，会传给 Qt（一个或两个短横线均可）：
  -platform NAME, -platformpluginpath PATH, -platformtheme NAME, -plugin NAME,
  -display DISPLAY, -name NAME, -visual ID, -session ID (由重新启动游戏的
  会话管理器给出), -style NAME, -stylesheet FILE,
  -qwindowgeometry GEOMETRY (-geometry), -qwindowtitle TITLE (-title),
  -qwindowicon FILE (-icon), -qmljsdebugger VALUE, -reverse, -widgetcount,
  -nograb, -dograb, -sync, -testability.

从游戏所在的文件夹（%1）读取的文件：
  rules.txt, orvik.txt  帮助中的“规则”和“关于”页面
  SOUND/34.WAV          启动画面的问候语
  SOUND/APPLAUS.WAV     获胜时的掌声
  veltrane-sound.so     声音播放器，在播放第一个声音时加载

环境变量：
  QT_QPA_PLATFORM  窗口系统：xcb（X11，也可通过 Xwayland）或 wayland。
                   未设置时，如果设置了 DISPLAY，游戏使用 X（因为在 X 上
                   游戏自己摆放窗口），否则使用 Wayland。
  DISPLAY, WAYLAND_DISPLAY
                   要打开的 X 显示和 Wayland 显示。
  QT_FONT_DPI, QT_SCALE_FACTOR
                   每英寸 116 到 125 像素的显示器会收到“大字体”消息，
                   然后游戏结束。字体 DPI 为 120（文字缩放 125 %）时，请用
                   QT_FONT_DPI=96 veltrane 启动；Qt 缩放为 1.25 时，请用
                   QT_SCALE_FACTOR=1 veltrane 启动。
  XDG_STATE_HOME   为会话管理器保存进行中游戏的位置
                   （veltrane/session-KEY；未设置时为 ~/.local/state）。
</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a value, not the option &apos;%2&apos;</source>
        <translation>选项 &apos;%1&apos; 需要一个值，而不是选项 &apos;%2&apos;</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a value</source>
        <translation>选项 &apos;%1&apos; 需要一个值</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>意外的参数 &apos;%1&apos;</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>未知选项 &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Try &apos;veltrane --help&apos;.</source>
        <translation>请尝试 &apos;veltrane --help&apos;。</translation>
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
    <name>Pictures</name>
    <message>
        <source>Click
Here</source>
        <extracomment>The words on the stock&apos;s turn-over card: two short lines, each at most about 8 letters, drawn on a 72 × 100 card</extracomment>
        <translation>单击
此处</translation>
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
        <translation>无法创建文件夹 %1</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>它不是文件</translation>
    </message>
    <message>
        <source>it is larger than a saved game can be</source>
        <translation>它超出了存档的大小上限</translation>
    </message>
    <message>
        <source>it is not a saved game</source>
        <translation>它不是存档</translation>
    </message>
    <message>
        <source>it was saved by another version</source>
        <translation>它由另一个版本保存</translation>
    </message>
    <message>
        <source>it is cut short</source>
        <translation>它被截断了</translation>
    </message>
    <message>
        <source>line %1 cannot be read</source>
        <translation>第 %1 行无法读取</translation>
    </message>
    <message>
        <source>line %1 names a card that lies elsewhere</source>
        <translation>第 %1 行的牌已在别处</translation>
    </message>
    <message>
        <source>a card is missing</source>
        <translation>缺少一张牌</translation>
    </message>
    <message>
        <source>no game can reach its position</source>
        <translation>任何一局都无法到达该局面</translation>
    </message>
    <message>
        <source>the session&apos;s key is not a plain file name; the game in progress is not saved.</source>
        <translation>会话键不是普通文件名；当前游戏未保存。</translation>
    </message>
    <message>
        <source>the game in progress cannot be saved to %1: %2.</source>
        <translation>无法将当前游戏保存到 %1：%2。</translation>
    </message>
    <message>
        <source>the session&apos;s key is not a plain file name; a new game starts.</source>
        <translation>会话键不是普通文件名；开始新的一局。</translation>
    </message>
    <message>
        <source>the saved game %1 cannot be read: %2; a new game starts.</source>
        <translation>无法读取存档 %1：%2；开始新的一局。</translation>
    </message>
    <message>
        <source>the saved game %1 is ignored, as %2; a new game starts.</source>
        <translation>已忽略存档 %1，因为%2；开始新的一局。</translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>Stock</source>
        <translation>牌库</translation>
    </message>
    <message>
        <source>Waste</source>
        <translation>弃牌堆</translation>
    </message>
    <message>
        <source>ace</source>
        <translation>A</translation>
    </message>
    <message>
        <source>two</source>
        <translation>2</translation>
    </message>
    <message>
        <source>three</source>
        <translation>3</translation>
    </message>
    <message>
        <source>four</source>
        <translation>4</translation>
    </message>
    <message>
        <source>five</source>
        <translation>5</translation>
    </message>
    <message>
        <source>six</source>
        <translation>6</translation>
    </message>
    <message>
        <source>seven</source>
        <translation>7</translation>
    </message>
    <message>
        <source>eight</source>
        <translation>8</translation>
    </message>
    <message>
        <source>nine</source>
        <translation>9</translation>
    </message>
    <message>
        <source>ten</source>
        <translation>10</translation>
    </message>
    <message>
        <source>jack</source>
        <translation>J</translation>
    </message>
    <message>
        <source>queen</source>
        <translation>Q</translation>
    </message>
    <message>
        <source>king</source>
        <translation>K</translation>
    </message>
    <message>
        <source>spades</source>
        <translation>黑桃</translation>
    </message>
    <message>
        <source>diamonds</source>
        <translation>方块</translation>
    </message>
    <message>
        <source>clubs</source>
        <translation>梅花</translation>
    </message>
    <message>
        <source>hearts</source>
        <translation>红心</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>A card&apos;s name: %1 its rank (&quot;two&quot;), %2 its suit (&quot;spades&quot;). Put them in the order your language names a card.</extracomment>
        <translation>%2%1</translation>
    </message>
    <message>
        <source>Spades slot %1</source>
        <extracomment>The name of a tableau slot; %1 is its place in its group, 1 to 4.</extracomment>
        <translation>黑桃格子 %1</translation>
    </message>
    <message>
        <source>Diamonds slot %1</source>
        <translation>方块格子 %1</translation>
    </message>
    <message>
        <source>Hearts slot %1</source>
        <translation>红心格子 %1</translation>
    </message>
    <message>
        <source>Clubs slot %1</source>
        <translation>梅花格子 %1</translation>
    </message>
    <message>
        <source>Spades foundation</source>
        <translation>黑桃基础牌堆</translation>
    </message>
    <message>
        <source>Diamonds foundation</source>
        <translation>方块基础牌堆</translation>
    </message>
    <message>
        <source>Hearts foundation</source>
        <translation>红心基础牌堆</translation>
    </message>
    <message>
        <source>Clubs foundation</source>
        <translation>梅花基础牌堆</translation>
    </message>
    <message>
        <source>empty spades slot</source>
        <translation>空的黑桃格子</translation>
    </message>
    <message>
        <source>empty diamonds slot</source>
        <translation>空的方块格子</translation>
    </message>
    <message>
        <source>empty hearts slot</source>
        <translation>空的红心格子</translation>
    </message>
    <message>
        <source>empty clubs slot</source>
        <translation>空的梅花格子</translation>
    </message>
    <message>
        <source>empty</source>
        <extracomment>A place with no card: the waste, the spent stock.</extracomment>
        <translation>空</translation>
    </message>
    <message>
        <source>Click Here to turn the waste over</source>
        <translation>单击此处，把弃牌堆翻回牌库</translation>
    </message>
    <message>
        <source>face down</source>
        <translation>背面朝上</translation>
    </message>
    <message>
        <source>%1, selected</source>
        <extracomment>%1 is the picked card (&quot;two of spades, selected&quot;).</extracomment>
        <translation>%1，已选中</translation>
    </message>
    <message>
        <source>no pass left</source>
        <translation>不能再翻了</translation>
    </message>
    <message>
        <source>1 card</source>
        <extracomment>Cards left face down in the stock.</extracomment>
        <translation>1 张</translation>
    </message>
    <message numerus="yes">
        <source>%n cards</source>
        <translation>
            <numerusform>%n 张</numerusform>
        </translation>
    </message>
    <message>
        <source>second pass</source>
        <extracomment>The stock is run through twice: which run this is.</extracomment>
        <translation>第二遍</translation>
    </message>
    <message>
        <source>first pass</source>
        <translation>第一遍</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>Two things said one after the other (&quot;eight of diamonds, 31 cards&quot;).</extracomment>
        <translation>%1，%2</translation>
    </message>
    <message>
        <source>File &gt; Deal starts a game</source>
        <translation>选择“文件 &gt; 发牌”开始游戏</translation>
    </message>
    <message>
        <source>%1 deselected</source>
        <extracomment>A click on the stock let go of the picked card %1.</extracomment>
        <translation>%1，已取消选中</translation>
    </message>
    <message>
        <source>waste: %1</source>
        <extracomment>What the waste shows once its top card has been played: a card, or &quot;empty&quot;.</extracomment>
        <translation>弃牌堆：%1</translation>
    </message>
    <message>
        <source>only spades here</source>
        <extracomment>Why a card cannot go on this slot or foundation: it takes only this suit.</extracomment>
        <translation>这里只能放黑桃</translation>
    </message>
    <message>
        <source>only diamonds here</source>
        <translation>这里只能放方块</translation>
    </message>
    <message>
        <source>only hearts here</source>
        <translation>这里只能放红心</translation>
    </message>
    <message>
        <source>only clubs here</source>
        <translation>这里只能放梅花</translation>
    </message>
    <message>
        <source>nothing selected</source>
        <translation>未选中任何牌</translation>
    </message>
    <message>
        <source>%1 already selected</source>
        <extracomment>Another card, %1, is picked and must be put down or let go first.</extracomment>
        <translation>已选中了%1</translation>
    </message>
    <message>
        <source>needs %1</source>
        <extracomment>The foundation takes the card %1 next, and only that one.</extracomment>
        <translation>需要%1</translation>
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
        <translation>规则页面</translation>
    </message>
    <message>
        <source>About page</source>
        <translation>关于页面</translation>
    </message>
    <message>
        <source>About page, Shift+Tab to read</source>
        <translation>关于页面，按 Shift+Tab 阅读</translation>
    </message>
    <message>
        <source>Rules page, Shift+Tab to read</source>
        <translation>规则页面，按 Shift+Tab 阅读</translation>
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
