<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
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
        <translation>使い方: veltrane [オプション]
Veltrane ソリティアは、1 人で遊ぶカードゲームです。
ゲーム自体のオプションはありません。Qt のオプションは Qt に渡されます。

オプション:
  -h, --help     このヘルプを表示します。
  -v, --version  バージョン情報を表示します。

Qt のオプション (Qt に渡されます。ダッシュは 1 つでも 2 つでも可):
  -platform NAME, -platformpluginpath PATH, -platformtheme NAME, -plugin NAME,
  -display DISPLAY, -name NAME, -visual ID, -session ID (ゲームを再起動する
  セッションマネージャーが指定), -style NAME, -stylesheet FILE,
  -qwindowgeometry GEOMETRY (-geometry), -qwindowtitle TITLE (-title),
  -qwindowicon FILE (-icon), -qmljsdebugger VALUE, -reverse, -widgetcount,
  -nograb, -dograb, -sync, -testability.

ゲームのあるフォルダー (%1) から読むファイル:
  rules.txt, orvik.txt  ヘルプの「ルール」と「バージョン情報」のページ
  SOUND/34.WAV          スプラッシュ画面のあいさつ
  SOUND/APPLAUS.WAV     勝ったときの拍手
  veltrane-sound.so     サウンドプレーヤー (最初の音を鳴らすときに読み込み)

環境変数:
  QT_QPA_PLATFORM  ウィンドウシステム: xcb (X11、Xwayland 経由も含む) または
                   wayland。未設定なら、DISPLAY が設定されているときは X を
                   使い (X ではゲームが自分でウィンドウを配置するため)、
                   それ以外は Wayland を使います。
  DISPLAY, WAYLAND_DISPLAY
                   開く X ディスプレイと Wayland ディスプレイ。
  QT_FONT_DPI, QT_SCALE_FACTOR
                   1 インチあたり 116 から 125 ピクセルのディスプレイでは
                   「大きいフォント」のメッセージが出てゲームが終了します。
                   フォント DPI が 120 (文字の拡大率 125 %) なら
                   QT_FONT_DPI=96 veltrane、Qt の拡大率が 1.25 なら
                   QT_SCALE_FACTOR=1 veltrane として起動してください。
  XDG_STATE_HOME   セッションマネージャーのために進行中のゲームを保存する
                   場所 (veltrane/session-KEY。未設定なら ~/.local/state)。
</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a value, not the option &apos;%2&apos;</source>
        <translation>オプション &apos;%1&apos; には、オプション &apos;%2&apos; ではなく値を指定してください</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a value</source>
        <translation>オプション &apos;%1&apos; には値が必要です</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>予期しない引数 &apos;%1&apos;</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>不明なオプション &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Try &apos;veltrane --help&apos;.</source>
        <translation>詳しくは &apos;veltrane --help&apos; を実行してください。</translation>
    </message>
</context>
<context>
    <name>HelpFile</name>
    <message>
        <source>Not a regular file</source>
        <translation>通常のファイルではありません</translation>
    </message>
    <message>
        <source>Line too long</source>
        <translation>行が長すぎます</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>Click
Here</source>
        <extracomment>The words on the stock&apos;s turn-over card: two short lines, each at most about 8 letters, drawn on a 72 × 100 card</extracomment>
        <translation>ここを
クリック</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Overflow</source>
        <translation>オーバーフローしました</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>メモリが不足しています</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>インデックスが有効範囲にありません</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>0 で除算しました</translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <translation>ピクチャが無効です</translation>
    </message>
    <message>
        <source>Internal error</source>
        <translation>内部エラー</translation>
    </message>
    <message>
        <source>Run-time error &apos;%1&apos;:

%2</source>
        <translation>実行時エラー &apos;%1&apos;:

%2</translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>フォルダー %1 を作成できません</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>ファイルではありません</translation>
    </message>
    <message>
        <source>it is larger than a saved game can be</source>
        <translation>保存されたゲームとしては大きすぎます</translation>
    </message>
    <message>
        <source>it is not a saved game</source>
        <translation>保存されたゲームではありません</translation>
    </message>
    <message>
        <source>it was saved by another version</source>
        <translation>別のバージョンで保存されています</translation>
    </message>
    <message>
        <source>it is cut short</source>
        <translation>途中で切れています</translation>
    </message>
    <message>
        <source>line %1 cannot be read</source>
        <translation>%1 行目を読み取れません</translation>
    </message>
    <message>
        <source>line %1 names a card that lies elsewhere</source>
        <translation>%1 行目のカードはすでに別の場所にあります</translation>
    </message>
    <message>
        <source>a card is missing</source>
        <translation>カードが 1 枚足りません</translation>
    </message>
    <message>
        <source>no game can reach its position</source>
        <translation>どのゲームでもその局面にはなりません</translation>
    </message>
    <message>
        <source>the session&apos;s key is not a plain file name; the game in progress is not saved.</source>
        <translation>セッションのキーが単純なファイル名ではありません。進行中のゲームは保存しません。</translation>
    </message>
    <message>
        <source>the game in progress cannot be saved to %1: %2.</source>
        <translation>進行中のゲームを %1 に保存できません: %2。</translation>
    </message>
    <message>
        <source>the session&apos;s key is not a plain file name; a new game starts.</source>
        <translation>セッションのキーが単純なファイル名ではありません。新しいゲームを始めます。</translation>
    </message>
    <message>
        <source>the saved game %1 cannot be read: %2; a new game starts.</source>
        <translation>保存されたゲーム %1 を読み込めません: %2。新しいゲームを始めます。</translation>
    </message>
    <message>
        <source>the saved game %1 is ignored, as %2; a new game starts.</source>
        <translation>保存されたゲーム %1 を無視します (%2)。新しいゲームを始めます。</translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>Stock</source>
        <translation>山札</translation>
    </message>
    <message>
        <source>Waste</source>
        <translation>捨て札</translation>
    </message>
    <message>
        <source>ace</source>
        <translation>エース</translation>
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
        <translation>ジャック</translation>
    </message>
    <message>
        <source>queen</source>
        <translation>クイーン</translation>
    </message>
    <message>
        <source>king</source>
        <translation>キング</translation>
    </message>
    <message>
        <source>spades</source>
        <translation>スペード</translation>
    </message>
    <message>
        <source>diamonds</source>
        <translation>ダイヤ</translation>
    </message>
    <message>
        <source>clubs</source>
        <translation>クラブ</translation>
    </message>
    <message>
        <source>hearts</source>
        <translation>ハート</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>A card&apos;s name: %1 its rank (&quot;two&quot;), %2 its suit (&quot;spades&quot;). Put them in the order your language names a card.</extracomment>
        <translation>%2の%1</translation>
    </message>
    <message>
        <source>Spades slot %1</source>
        <extracomment>The name of a tableau slot; %1 is its place in its group, 1 to 4.</extracomment>
        <translation>スペードのマス %1</translation>
    </message>
    <message>
        <source>Diamonds slot %1</source>
        <translation>ダイヤのマス %1</translation>
    </message>
    <message>
        <source>Hearts slot %1</source>
        <translation>ハートのマス %1</translation>
    </message>
    <message>
        <source>Clubs slot %1</source>
        <translation>クラブのマス %1</translation>
    </message>
    <message>
        <source>Spades foundation</source>
        <translation>スペードの台札</translation>
    </message>
    <message>
        <source>Diamonds foundation</source>
        <translation>ダイヤの台札</translation>
    </message>
    <message>
        <source>Hearts foundation</source>
        <translation>ハートの台札</translation>
    </message>
    <message>
        <source>Clubs foundation</source>
        <translation>クラブの台札</translation>
    </message>
    <message>
        <source>empty spades slot</source>
        <translation>空いたスペードのマス</translation>
    </message>
    <message>
        <source>empty diamonds slot</source>
        <translation>空いたダイヤのマス</translation>
    </message>
    <message>
        <source>empty hearts slot</source>
        <translation>空いたハートのマス</translation>
    </message>
    <message>
        <source>empty clubs slot</source>
        <translation>空いたクラブのマス</translation>
    </message>
    <message>
        <source>empty</source>
        <extracomment>A place with no card: the waste, the spent stock.</extracomment>
        <translation>カードなし</translation>
    </message>
    <message>
        <source>Click Here to turn the waste over</source>
        <translation>ここをクリックして捨て札を山札に戻す</translation>
    </message>
    <message>
        <source>face down</source>
        <translation>裏向き</translation>
    </message>
    <message>
        <source>%1, selected</source>
        <extracomment>%1 is the picked card (&quot;two of spades, selected&quot;).</extracomment>
        <translation>%1、選択中</translation>
    </message>
    <message>
        <source>no pass left</source>
        <translation>もうめくれません</translation>
    </message>
    <message>
        <source>1 card</source>
        <extracomment>Cards left face down in the stock.</extracomment>
        <translation>1 枚</translation>
    </message>
    <message numerus="yes">
        <source>%n cards</source>
        <translation>
            <numerusform>%n 枚</numerusform>
        </translation>
    </message>
    <message>
        <source>second pass</source>
        <extracomment>The stock is run through twice: which run this is.</extracomment>
        <translation>2 回目</translation>
    </message>
    <message>
        <source>first pass</source>
        <translation>1 回目</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>Two things said one after the other (&quot;eight of diamonds, 31 cards&quot;).</extracomment>
        <translation>%1、%2</translation>
    </message>
    <message>
        <source>File &gt; Deal starts a game</source>
        <translation>ファイル &gt; 配る でゲーム開始</translation>
    </message>
    <message>
        <source>%1 deselected</source>
        <extracomment>A click on the stock let go of the picked card %1.</extracomment>
        <translation>%1、選択解除</translation>
    </message>
    <message>
        <source>waste: %1</source>
        <extracomment>What the waste shows once its top card has been played: a card, or &quot;empty&quot;.</extracomment>
        <translation>捨て札: %1</translation>
    </message>
    <message>
        <source>only spades here</source>
        <extracomment>Why a card cannot go on this slot or foundation: it takes only this suit.</extracomment>
        <translation>ここはスペードだけ</translation>
    </message>
    <message>
        <source>only diamonds here</source>
        <translation>ここはダイヤだけ</translation>
    </message>
    <message>
        <source>only hearts here</source>
        <translation>ここはハートだけ</translation>
    </message>
    <message>
        <source>only clubs here</source>
        <translation>ここはクラブだけ</translation>
    </message>
    <message>
        <source>nothing selected</source>
        <translation>選択なし</translation>
    </message>
    <message>
        <source>%1 already selected</source>
        <extracomment>Another card, %1, is picked and must be put down or let go first.</extracomment>
        <translation>すでに %1 を選択中</translation>
    </message>
    <message>
        <source>needs %1</source>
        <extracomment>The foundation takes the card %1 next, and only that one.</extracomment>
        <translation>次は %1</translation>
    </message>
</context>
<context>
    <name>frm_board</name>
    <message>
        <source>Veltrane Solitaire</source>
        <translation>Veltrane ソリティア</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Deal</source>
        <translation>配る(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>終了(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Rules</source>
        <translation>ルール(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>バージョン情報(&amp;A)...</translation>
    </message>
</context>
<context>
    <name>frm_help</name>
    <message>
        <source>Veltrane - Help</source>
        <translation>Veltrane - ヘルプ</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>ルール</translation>
    </message>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>ORVIK, games for quiet hours</source>
        <translation>ORVIK、静かな時間のためのゲーム</translation>
    </message>
    <message>
        <source>Veltrane Solitaire, around a copper card frame with a club</source>
        <translation>Veltrane ソリティア、クラブを描いた銅色のカード枠を囲んで</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>%1 を読み込めません: %2</translation>
    </message>
    <message>
        <source>oops, unable to link you there</source>
        <translation>おっと、リンク先を開けませんでした</translation>
    </message>
    <message>
        <source>Rules page</source>
        <translation>ルールのページ</translation>
    </message>
    <message>
        <source>About page</source>
        <translation>バージョン情報のページ</translation>
    </message>
    <message>
        <source>About page, Shift+Tab to read</source>
        <translation>バージョン情報のページ、Shift+Tab で読めます</translation>
    </message>
    <message>
        <source>Rules page, Shift+Tab to read</source>
        <translation>ルールのページ、Shift+Tab で読めます</translation>
    </message>
</context>
<context>
    <name>frm_splash</name>
    <message>
        <source>Your video display is set to LARGE FONTS. This application requires a setting of Small Fonts. Right click on your desktop, select PROPERTIES,then SETTINGS. Change Fonts from Large to Small, then click on the APPLY button.</source>
        <translation>ディスプレイが「大きいフォント」に設定されています。このアプリケーションには「小さいフォント」の設定が必要です。デスクトップを右クリックし、「プロパティ」、次に「設定」を選んでください。フォントを「大」から「小」に変更し、「適用」ボタンをクリックしてください。</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>ようこそ</translation>
    </message>
    <message>
        <source>Veltrane Solitaire, in a bronze picture frame with a heart, a club, a spade and a diamond</source>
        <translation>Veltrane ソリティア、ハート・クラブ・スペード・ダイヤを配したブロンズの額縁の中に</translation>
    </message>
    <message>
        <source>ENTER HERE</source>
        <translation>ここから入る</translation>
    </message>
</context>
<context>
    <name>frm_win</name>
    <message>
        <source>Veltrane Solitaire</source>
        <translation>Veltrane ソリティア</translation>
    </message>
    <message>
        <source>Well Done!</source>
        <translation>よくできました！</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
