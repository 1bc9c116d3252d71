<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>About</name>
    <message>
        <source>Name:</source>
        <translation>名前：</translation>
    </message>
    <message>
        <source>Birthplace:</source>
        <translation>出身：</translation>
    </message>
    <message>
        <source>a Debian build machine</source>
        <translation>Debian のビルドマシン</translation>
    </message>
    <message>
        <source>Birth date:</source>
        <translation>誕生日：</translation>
    </message>
    <message>
        <source>8 December 2026</source>
        <translation>2026年12月8日</translation>
    </message>
    <message>
        <source>Occupation:</source>
        <translation>職業：</translation>
    </message>
    <message>
        <source>simulator makers</source>
        <translation>シミュレーター職人</translation>
    </message>
    <message>
        <source>Hobby:</source>
        <translation>趣味：</translation>
    </message>
    <message>
        <source>putting out LCD fires</source>
        <translation>液晶の火を消すこと</translation>
    </message>
    <message>
        <source>About the author...</source>
        <translation>作者について...</translation>
    </message>
    <message>
        <source>Website:</source>
        <translation>サイト：</translation>
    </message>
    <message>
        <source>Email:</source>
        <translation>メール：</translation>
    </message>
</context>
<context>
    <name>Clips</name>
    <message>
        <source>the clip exporter %1 could not be loaded: %2</source>
        <translation>クリップ書き出し部 %1 を読み込めませんでした：%2</translation>
    </message>
    <message>
        <source>it was cancelled</source>
        <translation>中止されました</translation>
    </message>
    <message>
        <source>at zoom %1 the clip&apos;s frames would need more memory than a skin may take</source>
        <translation>ズーム %1 では、クリップのコマにスキンが使ってよい以上のメモリが要ります</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>中止</translation>
    </message>
    <message>
        <source>the zoom is 1 to 4</source>
        <translation>ズームは 1～4 です</translation>
    </message>
    <message>
        <source>the frame rate is 1 to 60 frames a second</source>
        <translation>フレームレートは毎秒 1～60 コマです</translation>
    </message>
    <message>
        <source>the clip&apos;s filters</source>
        <translation>クリップのフィルタ</translation>
    </message>
    <message>
        <source>out of memory for a frame</source>
        <translation>コマ用のメモリが足りません</translation>
    </message>
    <message>
        <source>the GIF&apos;s colours</source>
        <translation>GIF の色</translation>
    </message>
    <message>
        <source>the replay does not prove its game: %1</source>
        <translation>リプレイがそのゲームを証明していません：%1</translation>
    </message>
    <message>
        <source>%1 is the replay itself, so no clip is written over it</source>
        <translation>%1 はリプレイそのものなので、クリップで上書きしません</translation>
    </message>
    <message>
        <source>%1 is there already and is no clip, so it is not written over</source>
        <translation>%1 はすでにあり、クリップではないので上書きしません</translation>
    </message>
    <message>
        <source>%1 is %2, so no clip is written there</source>
        <translation>%1 は%2なので、そこにはクリップを書きません</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>%1 を書き込めません</translation>
    </message>
    <message>
        <source>no palette for the GIF</source>
        <translation>GIF のパレットがありません</translation>
    </message>
    <message>
        <source>the GIF&apos;s palette</source>
        <translation>GIF のパレット</translation>
    </message>
    <message>
        <source>this FFmpeg has no %1 encoder</source>
        <translation>この FFmpeg には %1 エンコーダがありません</translation>
    </message>
    <message>
        <source>there is not enough memory for the %1 encoder</source>
        <translation>%1 エンコーダ用のメモリが足りません</translation>
    </message>
    <message>
        <source>cannot start the %1 encoder</source>
        <translation>%1 エンコーダを開始できません</translation>
    </message>
    <message>
        <source>cannot encode the clip</source>
        <translation>クリップをエンコードできません</translation>
    </message>
    <message>
        <source>out of memory for sound</source>
        <translation>音声用のメモリが足りません</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 を書き込めません：%2</translation>
    </message>
</context>
<context>
    <name>Core</name>
    <message>
        <source>View</source>
        <translation>表示</translation>
    </message>
    <message>
        <source>The whole unit, or its LCD alone filling the picture.</source>
        <translation>本体全体か、画面いっぱいの液晶だけか。</translation>
    </message>
    <message>
        <source>Whole unit</source>
        <translation>本体全体</translation>
    </message>
    <message>
        <source>LCD only</source>
        <translation>液晶だけ</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>大きさ</translation>
    </message>
    <message>
        <source>The unit drawn at one to four times its size, from pictures drawn for that size.</source>
        <translation>本体を1〜4倍で、その大きさ用に描いた絵で表示します。</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>背景</translation>
    </message>
    <message>
        <source>What shows around the unit&apos;s case: the skin&apos;s backdrop or its colour.</source>
        <translation>本体の周り：スキンの背景か、その色か。</translation>
    </message>
    <message>
        <source>Backdrop</source>
        <translation>背景画像</translation>
    </message>
    <message>
        <source>Plain colour</source>
        <translation>単色</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>サウンド</translation>
    </message>
    <message>
        <source>The unit&apos;s five sound effects.</source>
        <translation>本体の5つの効果音。</translation>
    </message>
    <message>
        <source>On</source>
        <translation>オン</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>オフ</translation>
    </message>
    <message>
        <source>Sounds follow the flames</source>
        <translation>音が炎の位置から聞こえる</translation>
    </message>
    <message>
        <source>A flame&apos;s, a miss&apos;s and the water&apos;s sound panned to its lane: left, middle or right.</source>
        <translation>炎・ミス・放水の音を、その列（左・中・右）から鳴らします。</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>時計</translation>
    </message>
    <message>
        <source>The time the watch shows.</source>
        <translation>時計が表示する時刻。</translation>
    </message>
    <message>
        <source>Local time (as the desktop program)</source>
        <translation>現地時刻（デスクトップ版と同じ）</translation>
    </message>
    <message>
        <source>UTC</source>
        <translation>UTC</translation>
    </message>
    <message>
        <source>LCD look</source>
        <translation>液晶の見た目</translation>
    </message>
    <message>
        <source>Exact: segments switch at once. Real: they darken and clear as liquid crystal does and cast a shadow on the glass&apos;s back.</source>
        <translation>正確：セグメントは瞬時に切り替わります。リアル：液晶のように濃くなったり薄れたりし、ガラスの奥に影を落とします。</translation>
    </message>
    <message>
        <source>Exact</source>
        <translation>正確</translation>
    </message>
    <message>
        <source>Real</source>
        <translation>リアル</translation>
    </message>
    <message>
        <source>Unlit segments</source>
        <translation>消えたセグメント</translation>
    </message>
    <message>
        <source>How strongly segments show while unlit.</source>
        <translation>消えているセグメントの見え方。</translation>
    </message>
    <message>
        <source>As the face shows them</source>
        <translation>本体の絵のまま</translation>
    </message>
    <message>
        <source>Hidden</source>
        <translation>見せない</translation>
    </message>
    <message>
        <source>Faint</source>
        <translation>かすかに</translation>
    </message>
    <message>
        <source>Visible</source>
        <translation>見える</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>はっきり</translation>
    </message>
    <message>
        <source>Audio rate</source>
        <translation>音声のサンプリングレート</translation>
    </message>
    <message>
        <source>Frames of sound a second (the front end may need a restart).</source>
        <translation>1秒あたりの音のサンプル数（フロントエンドの再起動が必要な場合があります）。</translation>
    </message>
    <message>
        <source>44.1 kHz</source>
        <translation>44.1 kHz</translation>
    </message>
    <message>
        <source>48 kHz</source>
        <translation>48 kHz</translation>
    </message>
</context>
<context>
    <name>Face</name>
    <message>
        <source>All segments shown</source>
        <translation>全セグメント表示</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>時刻</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>アラーム</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日付</translation>
    </message>
    <message>
        <source>Chronograph</source>
        <translation>ストップウォッチ</translation>
    </message>
    <message>
        <source>Game A, ready</source>
        <translation>ゲームA、準備完了</translation>
    </message>
    <message>
        <source>Game B, ready</source>
        <translation>ゲームB、準備完了</translation>
    </message>
    <message>
        <source>Game A</source>
        <translation>ゲームA</translation>
    </message>
    <message>
        <source>Game B</source>
        <translation>ゲームB</translation>
    </message>
    <message>
        <source>Game B over</source>
        <translation>ゲームB終了</translation>
    </message>
    <message>
        <source>Game A over</source>
        <translation>ゲームA終了</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1、%2</translation>
    </message>
    <message>
        <source>1 miss</source>
        <translation>ミス1回</translation>
    </message>
    <message>
        <source>%1 misses</source>
        <translation>ミス%1回</translation>
    </message>
    <message>
        <source>hero in lane %1</source>
        <translation>消防士は%1列目</translation>
    </message>
    <message>
        <source>hero at the house</source>
        <translation>消防士は家の前</translation>
    </message>
    <message>
        <source>water %1</source>
        <translation>水%1</translation>
    </message>
    <message>
        <source>flame in lane %1 at the hero&apos;s row</source>
        <translation>%1列目の炎が消防士の段に</translation>
    </message>
    <message>
        <source>flame in lane %1 %2 away</source>
        <translation>%1列目の炎はあと%2段</translation>
    </message>
    <message>
        <source>score %1</source>
        <translation>スコア%1</translation>
    </message>
    <message>
        <source>Game B started</source>
        <translation>ゲームB開始</translation>
    </message>
    <message>
        <source>Game A started</source>
        <translation>ゲームA開始</translation>
    </message>
    <message>
        <source>Miss %1 of 3</source>
        <translation>ミス%1回目（3回まで）</translation>
    </message>
    <message>
        <source>Game over, %1 points, the best so far</source>
        <translation>ゲームオーバー、%1点、これまでの最高</translation>
    </message>
    <message>
        <source>Game over, %1 points</source>
        <translation>ゲームオーバー、%1点</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>a folder</source>
        <translation>フォルダ</translation>
    </message>
    <message>
        <source>a named pipe</source>
        <translation>名前付きパイプ</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>デバイス</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>ソケット</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>通常のファイルではないもの</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is too large (%2 bytes; at most %3 are read)</source>
        <translation>「%1」は大きすぎます（%2 バイト。読むのは %3 バイトまで）</translation>
    </message>
    <message>
        <source>a link that leads nowhere</source>
        <translation>どこにもつながっていないリンク</translation>
    </message>
    <message>
        <source>a link to %1</source>
        <translation>%1へのリンク</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;: %2</source>
        <translation>ファイル「%1」を開けません：%2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a regular file</source>
        <translation>「%1」は通常のファイルではありません</translation>
    </message>
    <message>
        <source>Cannot read file &quot;%1&quot;: %2</source>
        <translation>ファイル「%1」を読めません：%2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 を書き込めません：%2</translation>
    </message>
    <message>
        <source>%1 is in the way of a folder</source>
        <translation>%1 がフォルダの場所をふさいでいます</translation>
    </message>
    <message>
        <source>cannot make the folder %1: %2</source>
        <translation>フォルダ %1 を作れません：%2</translation>
    </message>
    <message>
        <source>%1 is %2, so it is not written</source>
        <translation>%1 は%2なので、書き込みません</translation>
    </message>
    <message>
        <source>cannot write in %1: %2</source>
        <translation>%1 に書き込めません：%2</translation>
    </message>
</context>
<context>
    <name>Gamepad</name>
    <message>
        <source>line %1: no &apos;=&apos; in %2</source>
        <translation>%1 行目：%2 に「=」がありません</translation>
    </message>
    <message>
        <source>line %1: %2 takes yes or no, not %3</source>
        <translation>%1 行目：%2 には yes か no を書きます（%3 ではなく）</translation>
    </message>
    <message>
        <source>line %1: %2 is no gamepad input</source>
        <translation>%1 行目：%2 はゲームパッドの入力ではありません</translation>
    </message>
    <message>
        <source>line %1: %2 is no button of the unit</source>
        <translation>%1 行目：%2 は本体のボタンではありません</translation>
    </message>
    <message>
        <source>%1 is %2, so the default mapping is used</source>
        <translation>%1 は%2なので、標準の設定を使います</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1、%2</translation>
    </message>
</context>
<context>
    <name>Hints</name>
    <message>
        <source>click or press %1 to start game A</source>
        <translation>クリックか %1 でゲームAを開始</translation>
    </message>
    <message>
        <source>click or press %1 to start game B</source>
        <translation>クリックか %1 でゲームBを開始</translation>
    </message>
    <message>
        <source>click or press %1 to switch mode</source>
        <translation>クリックか %1 でモードを切り替え</translation>
    </message>
    <message>
        <source>click or press %1</source>
        <translation>クリックか %1</translation>
    </message>
    <message>
        <source>click to start game A</source>
        <translation>クリックでゲームAを開始</translation>
    </message>
    <message>
        <source>click to start game B</source>
        <translation>クリックでゲームBを開始</translation>
    </message>
    <message>
        <source>click to switch mode</source>
        <translation>クリックでモードを切り替え</translation>
    </message>
    <message>
        <source>click</source>
        <translation>クリック</translation>
    </message>
    <message>
        <source>button disabled</source>
        <translation>このボタンは使えません</translation>
    </message>
</context>
<context>
    <name>KeySettings</name>
    <message>
        <source>Main operations</source>
        <translation>基本操作</translation>
    </message>
    <message>
        <source>Game controls</source>
        <translation>ゲーム操作</translation>
    </message>
    <message>
        <source>Game A</source>
        <translation>ゲームA</translation>
    </message>
    <message>
        <source>Game B</source>
        <translation>ゲームB</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>時計</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>左</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>右</translation>
    </message>
    <message>
        <source>Shoot (left)</source>
        <translation>放水（左）</translation>
    </message>
    <message>
        <source>Shoot (right)</source>
        <translation>放水（右）</translation>
    </message>
    <message>
        <source>Key settings</source>
        <translation>キー設定</translation>
    </message>
    <message>
        <source>- ACCEPT -</source>
        <translation>- 決定 -</translation>
    </message>
    <message>
        <source>&lt;UP ARROW&gt;</source>
        <translation>&lt;上矢印&gt;</translation>
    </message>
    <message>
        <source>&lt;DOWN ARROW&gt;</source>
        <translation>&lt;下矢印&gt;</translation>
    </message>
    <message>
        <source>&lt;LEFT ARROW&gt;</source>
        <translation>&lt;左矢印&gt;</translation>
    </message>
    <message>
        <source>&lt;RIGHT ARROW&gt;</source>
        <translation>&lt;右矢印&gt;</translation>
    </message>
    <message>
        <source>&lt;ALT&gt;</source>
        <translation>&lt;ALT&gt;</translation>
    </message>
    <message>
        <source>&lt;CTRL&gt;</source>
        <translation>&lt;CTRL&gt;</translation>
    </message>
    <message>
        <source>&lt;SHIFT&gt;</source>
        <translation>&lt;SHIFT&gt;</translation>
    </message>
    <message>
        <source>&lt;SPACEBAR&gt;</source>
        <translation>&lt;スペース&gt;</translation>
    </message>
</context>
<context>
    <name>Manual</name>
    <message>
        <source>Manual</source>
        <translation>説明書</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>前のページ</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>次のページ</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>There is not enough memory to load the manual&apos;s pages</source>
        <translation>説明書のページを読み込むためのメモリが足りません</translation>
    </message>
</context>
<context>
    <name>ManualPages</name>
    <message>
        <source>Welcome</source>
        <translation>ようこそ</translation>
    </message>
    <message>
        <source>IGNIVAR is a pocket game and a watch in one.
A fire imp at the top of the screen throws flames down three lanes towards the house you guard. Move the firefighter under a flame and shoot water to put it out.
When no game is running, the unit shows the time.</source>
        <translation>IGNIVAR はポケットゲームと時計がひとつになった本体です。
画面の上の火の小鬼が、あなたの守る家に向かって3本の列に炎を投げてきます。消防士を炎の下に動かし、水をかけて消しましょう。
ゲームをしていないときは、時刻を表示します。</translation>
    </message>
    <message>
        <source>Buttons and keys</source>
        <translation>ボタンとキー</translation>
    </message>
    <message>
        <source>GAME A  -  key 1        GAME B  -  key 2
TIME  -  key 3
LEFT / RIGHT  -  left and right arrow keys
SHOOT (left)  -  Ctrl        SHOOT (right)  -  Alt
SET has no use on this unit.
You can also click the pictured buttons with the left mouse button. Keys can be changed under Key settings.</source>
        <translation>GAME A  -  キー 1        GAME B  -  キー 2
TIME  -  キー 3
左 / 右  -  左右の矢印キー
SHOOT（左）  -  Ctrl        SHOOT（右）  -  Alt
SET はこの本体では使いません。
絵のボタンをマウスの左ボタンでクリックしても操作できます。キーは「キー設定」で変えられます。</translation>
    </message>
    <message>
        <source>Starting a game</source>
        <translation>ゲームの始め方</translation>
    </message>
    <message>
        <source>Hold GAME A or GAME B: the best score of that game shows.
Let go and the game begins with a fanfare. The three water tanks empty one by one; then the firefighter steps under the left lane and the first flame comes.</source>
        <translation>GAME A か GAME B を押している間、そのゲームのハイスコアが出ます。
離すとファンファーレとともにゲームが始まります。3つの水タンクが順に空になり、消防士が左の列の下に立つと、最初の炎が来ます。</translation>
    </message>
    <message>
        <source>Game A and game B</source>
        <translation>ゲームAとゲームB</translation>
    </message>
    <message>
        <source>Both games play by the same rules.
Game B is faster from the start, and between 40 and 490 points it allows three flames at a time where game A allows two.
Above 500 points both games allow up to five flames.</source>
        <translation>2つのゲームのルールは同じです。
ゲームBは最初から速く、40点から490点の間はゲームAが2つまでのところ、炎が同時に3つまで出ます。
500点を超えると、どちらのゲームも炎は5つまでになります。</translation>
    </message>
    <message>
        <source>Putting out flames</source>
        <translation>炎を消す</translation>
    </message>
    <message>
        <source>Each press of a SHOOT button sends one jet of water up the firefighter&apos;s lane. It puts out the nearest flame there: 10 points.
Flames stand still while the water rises, and the firefighter may keep moving. Hold no button down: each shot needs a new press.</source>
        <translation>SHOOT ボタンを押すたびに、消防士の列に水が1回飛びます。その列でいちばん近い炎を消すと10点です。
水が上がっている間は炎が止まり、消防士は動き続けられます。ボタンを押したままにはしないでください。1回撃つたびに押し直します。</translation>
    </message>
    <message>
        <source>Every 1000 points</source>
        <translation>1000点ごとに</translation>
    </message>
    <message>
        <source>At every 1000 points the screen clears for a short break: the tanks fill and empty again.
Then play goes on at the slowest speed with one flame at a time, and grows faster again towards the next thousand.</source>
        <translation>1000点ごとに画面が空になり、少し休みます。タンクがまた満ちて、空になります。
その後、炎ひとつずつのいちばん遅い速さで再開し、次の1000点に向けてまた速くなります。</translation>
    </message>
    <message>
        <source>Misses and game over</source>
        <translation>ミスとゲームオーバー</translation>
    </message>
    <message>
        <source>A flame that stays in the bottom row sets the house on fire: a miss. The row is cleared and a miss mark appears.
The third miss ends the game. A better score than the best so far is kept, even after the program is closed. The last picture stays for 30 seconds.</source>
        <translation>いちばん下の段に炎が残ると家が燃えて、ミスになります。その段が消え、ミスの印がひとつ付きます。
3回ミスするとゲームオーバーです。それまでの最高より良いスコアは、プログラムを閉じても残ります。最後の画面は30秒間そのままです。</translation>
    </message>
    <message>
        <source>Playing without sound</source>
        <translation>音なしで遊ぶ</translation>
    </message>
    <message>
        <source>While you hold GAME A or GAME B, press LEFT: the speaker mark goes out.
That game then plays silently, and it starts sooner.
The next game has its sound again.</source>
        <translation>GAME A か GAME B を押したまま左を押すと、スピーカーの印が消えます。
そのゲームは音なしで、早く始まります。
次のゲームではまた音が出ます。</translation>
    </message>
    <message>
        <source>The watch</source>
        <translation>時計</translation>
    </message>
    <message>
        <source>TIME steps through five faces:
TIME 1 and TIME 2 - the time of day, with AM or PM.
ALARM - the alarm time, 12:00 AM.
DATE - month and day.
CHRONO - the chronograph at 00:00.
When switched on, every mark lights for 30 seconds, then the time shows.</source>
        <translation>TIME で5つの表示を順に切り替えます：
TIME 1 と TIME 2 - 時刻（AM か PM 付き）。
ALARM - アラームの時刻、12:00 AM。
DATE - 月と日。
CHRONO - 00:00 のストップウォッチ。
電源を入れると30秒間すべての印が点き、その後に時刻が出ます。</translation>
    </message>
    <message>
        <source>The menu</source>
        <translation>メニュー</translation>
    </message>
    <message>
        <source>Click the unit with the right mouse button for the menu: About (F1), Readme (F2), What&apos;s new (F3), this manual (F4), the configuration file, Key settings, Reset Hiscores, full screen (F12), the splash screen at start, and Exit (Esc).
Drag the unit with the left mouse button to move it.</source>
        <translation>本体を右クリックするとメニューが開きます：バージョン情報（F1）、Readme（F2）、更新情報（F3）、この説明書（F4）、設定ファイル、キー設定、ハイスコアのリセット、フルスクリーン（F12）、スタート画面、終了（Esc）。
本体は左ボタンでドラッグして動かせます。</translation>
    </message>
    <message>
        <source>Key settings</source>
        <translation>キー設定</translation>
    </message>
    <message>
        <source>Key settings lets you choose a key for each of the seven buttons from the digits, letters, arrow keys, Alt, Ctrl, Shift and the space bar.
Two buttons cannot share a key. The choice is kept for the next time.

Have fun, and keep the house safe!</source>
        <translation>「キー設定」では、7つのボタンそれぞれに、数字・文字・矢印キー・Alt・Ctrl・Shift・スペースバーからキーを選べます。
2つのボタンで同じキーは使えません。選んだキーは次回も残ります。

楽しんで、家を守ってください！</translation>
    </message>
    <message>
        <source>Fire · Water · Watch  -  Instructions</source>
        <translation>火 · 水 · 時計  -  説明書</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Exact</source>
        <translation>正確</translation>
    </message>
    <message>
        <source>Real</source>
        <translation>リアル</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>バージョン情報...</translation>
    </message>
    <message>
        <source>View &apos;Readme.txt&apos;</source>
        <translation>&apos;Readme.txt&apos; を表示</translation>
    </message>
    <message>
        <source>View &apos;Whatsnew.txt&apos;</source>
        <translation>&apos;Whatsnew.txt&apos; を表示</translation>
    </message>
    <message>
        <source>View manual</source>
        <translation>説明書を表示</translation>
    </message>
    <message>
        <source>Edit configuration file</source>
        <translation>設定ファイルを編集</translation>
    </message>
    <message>
        <source>Key settings</source>
        <translation>キー設定</translation>
    </message>
    <message>
        <source>Reset Hiscores</source>
        <translation>ハイスコアをリセット</translation>
    </message>
    <message>
        <source>Display in fullscreen mode</source>
        <translation>フルスクリーンで表示</translation>
    </message>
    <message>
        <source>Display splash screen at startup</source>
        <translation>起動時にスタート画面を表示</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>一時停止</translation>
    </message>
    <message>
        <source>Pause when the window loses the keyboard</source>
        <translation>ウィンドウがキー入力を失ったら一時停止</translation>
    </message>
    <message>
        <source>Quick save</source>
        <translation>クイックセーブ</translation>
    </message>
    <message>
        <source>Quick load</source>
        <translation>クイックロード</translation>
    </message>
    <message>
        <source>Rewind</source>
        <translation>巻き戻し</translation>
    </message>
    <message>
        <source>Resume where I left off</source>
        <translation>中断したところから再開</translation>
    </message>
    <message>
        <source>Replays and high scores...</source>
        <translation>リプレイとハイスコア...</translation>
    </message>
    <message>
        <source>Save a screenshot</source>
        <translation>スクリーンショットを保存</translation>
    </message>
    <message>
        <source>Stop the replay</source>
        <translation>リプレイを停止</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>ミュート</translation>
    </message>
    <message>
        <source>Volume 100 %</source>
        <translation>音量 100%</translation>
    </message>
    <message>
        <source>Volume 75 %</source>
        <translation>音量 75%</translation>
    </message>
    <message>
        <source>Volume 50 %</source>
        <translation>音量 50%</translation>
    </message>
    <message>
        <source>Volume 25 %</source>
        <translation>音量 25%</translation>
    </message>
    <message>
        <source>Sounds follow the flames</source>
        <translation>音が炎の位置から聞こえる</translation>
    </message>
    <message>
        <source>Fit the screen</source>
        <translation>画面に合わせる</translation>
    </message>
    <message>
        <source>1x</source>
        <translation>1倍</translation>
    </message>
    <message>
        <source>2x</source>
        <translation>2倍</translation>
    </message>
    <message>
        <source>3x</source>
        <translation>3倍</translation>
    </message>
    <message>
        <source>4x</source>
        <translation>4倍</translation>
    </message>
    <message>
        <source>Larger</source>
        <translation>拡大</translation>
    </message>
    <message>
        <source>Smaller</source>
        <translation>縮小</translation>
    </message>
    <message>
        <source>Unlit segments as the face shows them</source>
        <translation>消えたセグメント：本体の絵のまま</translation>
    </message>
    <message>
        <source>Unlit segments hidden</source>
        <translation>消えたセグメント：見せない</translation>
    </message>
    <message>
        <source>Unlit segments faint</source>
        <translation>消えたセグメント：かすかに</translation>
    </message>
    <message>
        <source>Unlit segments visible</source>
        <translation>消えたセグメント：見える</translation>
    </message>
    <message>
        <source>Unlit segments clear</source>
        <translation>消えたセグメント：はっきり</translation>
    </message>
    <message>
        <source>High contrast</source>
        <translation>ハイコントラスト</translation>
    </message>
    <message>
        <source>System</source>
        <translation>システム</translation>
    </message>
    <message>
        <source>Open the menu (or Shift+F10)</source>
        <translation>メニューを開く（または Shift+F10）</translation>
    </message>
    <message>
        <source>Read the face aloud (screen reader)</source>
        <translation>表示を読み上げる（スクリーンリーダー）</translation>
    </message>
    <message>
        <source>Replay faster</source>
        <translation>リプレイを速く</translation>
    </message>
    <message>
        <source>Replay slower</source>
        <translation>リプレイを遅く</translation>
    </message>
    <message>
        <source>Replay: step to the next change</source>
        <translation>リプレイ：次の変化まで進む</translation>
    </message>
    <message>
        <source>%1: hold %2</source>
        <translation>%1：%2 を押し続ける</translation>
    </message>
    <message>
        <source>%1 is the program&apos;s own key: %2</source>
        <translation>%1 はプログラムのキーです：%2</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>プレイ</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>サウンド</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>ズーム</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>表示</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>メニュー</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>The game kept from the last run cannot be resumed:
%1
The file is left as it is.</source>
        <translation>前回残したゲームを再開できません：
%1
ファイルはそのまま残します。</translation>
    </message>
    <message>
        <source>A setting could not be stored, so it will be lost when the program ends:
%1</source>
        <translation>設定を保存できませんでした。プログラムを終了すると失われます：
%1</translation>
    </message>
    <message>
        <source>The screenshot could not be saved:
%1</source>
        <translation>スクリーンショットを保存できませんでした：
%1</translation>
    </message>
    <message>
        <source>%1
The shipped skin is used instead.</source>
        <translation>%1
代わりに付属のスキンを使います。</translation>
    </message>
    <message>
        <source>No program on this desktop could open the file
%1</source>
        <translation>このデスクトップにはファイルを開けるプログラムがありません
%1</translation>
    </message>
    <message>
        <source>The settings file could not be read: %1</source>
        <translation>設定ファイルを読めませんでした：%1</translation>
    </message>
    <message>
        <source>Parts of the gamepad mapping could not be understood and are left out:

%1</source>
        <translation>ゲームパッド設定の一部を理解できないため無視します：

%1</translation>
    </message>
    <message>
        <source>The replay cannot be played:
%1</source>
        <translation>リプレイを再生できません：
%1</translation>
    </message>
    <message>
        <source>The clip could not be exported:
%1</source>
        <translation>クリップを書き出せませんでした：
%1</translation>
    </message>
    <message>
        <source>The clip is saved as
%1</source>
        <translation>クリップを保存しました：
%1</translation>
    </message>
    <message>
        <source>the picture could not be made</source>
        <translation>画像を作れませんでした</translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation>……ほか %1 件</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>BMP image data is truncated</source>
        <translation>BMP の画像データが途中で切れています</translation>
    </message>
    <message>
        <source>Not a BMP file</source>
        <translation>BMP ファイルではありません</translation>
    </message>
    <message>
        <source>BMP header is truncated or invalid</source>
        <translation>BMP のヘッダが途中で切れているか、正しくありません</translation>
    </message>
    <message>
        <source>BMP picture has no pixels</source>
        <translation>BMP 画像に画素がありません</translation>
    </message>
    <message>
        <source>Unsupported BMP compression (%1)</source>
        <translation>対応していない BMP の圧縮方式です（%1）</translation>
    </message>
    <message>
        <source>BMP compression does not match its bits per pixel</source>
        <translation>BMP の圧縮方式が画素あたりのビット数に合いません</translation>
    </message>
    <message>
        <source>A compressed BMP cannot be top-down</source>
        <translation>圧縮された BMP は上から下の並びにできません</translation>
    </message>
    <message>
        <source>Unsupported BMP bits per pixel (%1)</source>
        <translation>対応していない BMP の画素あたりビット数です（%1）</translation>
    </message>
    <message>
        <source>BMP colour masks are missing</source>
        <translation>BMP の色マスクがありません</translation>
    </message>
    <message>
        <source>BMP palette is truncated</source>
        <translation>BMP のパレットが途中で切れています</translation>
    </message>
    <message>
        <source>BMP header promises more data than the file holds</source>
        <translation>BMP のヘッダが、ファイルにある以上のデータを示しています</translation>
    </message>
    <message>
        <source>BMP image data is missing</source>
        <translation>BMP の画像データがありません</translation>
    </message>
    <message>
        <source>Unknown picture file extension (.%1)</source>
        <translation>画像ファイルの拡張子がわかりません（.%1）</translation>
    </message>
    <message>
        <source>%1 picture is too large (%2 x %3 pixels; at most %4 a side)</source>
        <translation>%1 画像が大きすぎます（%2 x %3 画素。一辺 %4 まで）</translation>
    </message>
    <message>
        <source>%1: cannot be written</source>
        <translation>%1：書き込めません</translation>
    </message>
    <message>
        <source>it would need more memory than is left for pictures</source>
        <translation>画像用に残っている以上のメモリが要ります</translation>
    </message>
    <message>
        <source>%1: the pictures would need more than %2 MiB of memory, so loading stops here</source>
        <translation>%1：画像に %2 MiB を超えるメモリが要るため、ここで読み込みを止めます</translation>
    </message>
    <message>
        <source>%1: there is not enough memory to load this picture</source>
        <translation>%1：この画像を読み込むためのメモリが足りません</translation>
    </message>
    <message>
        <source>PNG chunk &quot;%1&quot; runs past the end of the file</source>
        <translation>PNG のチャンク「%1」がファイルの終わりを越えています</translation>
    </message>
    <message>
        <source>PNG header promises more data than the file holds</source>
        <translation>PNG のヘッダが、ファイルにある以上のデータを示しています</translation>
    </message>
    <message>
        <source>JPEG header promises more pixels than the file holds</source>
        <translation>JPEG のヘッダが、ファイルにある以上の画素を示しています</translation>
    </message>
    <message>
        <source>%1: cannot be written as PNG</source>
        <translation>%1：PNG として書き込めません</translation>
    </message>
    <message>
        <source>%1 file is too large</source>
        <translation>%1 ファイルが大きすぎます</translation>
    </message>
    <message>
        <source>PNG chunk runs past the end of the file</source>
        <translation>PNG のチャンクがファイルの終わりを越えています</translation>
    </message>
    <message>
        <source>%1: this build writes no pictures</source>
        <translation>%1：この版のプログラムは画像を書き込みません</translation>
    </message>
</context>
<context>
    <name>Replay</name>
    <message>
        <source>it does not start at the beginning of a game %1</source>
        <translation>ゲーム%1の始めから始まっていません</translation>
    </message>
    <message>
        <source>its start is no moment of a unit: %1</source>
        <translation>始まりが本体の状態になっていません：%1</translation>
    </message>
    <message>
        <source>it does not start in a game %1</source>
        <translation>ゲーム%1の中から始まっていません</translation>
    </message>
    <message>
        <source>it does not begin by letting go of the game button</source>
        <translation>ゲームボタンを離すところから始まっていません</translation>
    </message>
    <message>
        <source>its start is not in base64</source>
        <translation>始まりが base64 になっていません</translation>
    </message>
    <message>
        <source>a step is not a press or release in time order</source>
        <translation>押す・離すの記録が時刻順になっていません</translation>
    </message>
    <message>
        <source>a slip is not in time order</source>
        <translation>時間の飛びが時刻順になっていません</translation>
    </message>
    <message>
        <source>its end is no score and length of a game</source>
        <translation>終わりがゲームのスコアと長さになっていません</translation>
    </message>
    <message>
        <source>it has a line that no replay has (&quot;%1&quot;)</source>
        <translation>リプレイにはない行があります（&quot;%1&quot;）</translation>
    </message>
    <message>
        <source>it is far larger than any replay</source>
        <translation>どのリプレイよりもずっと大きいです</translation>
    </message>
    <message>
        <source>it is not a replay of Ignivar</source>
        <translation>Ignivar のリプレイではありません</translation>
    </message>
    <message>
        <source>it is a replay of another version (this program reads version %1)</source>
        <translation>別のバージョンのリプレイです（このプログラムが読めるのはバージョン %1）</translation>
    </message>
    <message>
        <source>it is cut short (no checksum)</source>
        <translation>途中で切れています（チェックサムがありません）</translation>
    </message>
    <message>
        <source>its checksum line is damaged</source>
        <translation>チェックサムの行が壊れています</translation>
    </message>
    <message>
        <source>it is damaged or was changed (its checksum does not match)</source>
        <translation>壊れているか書き換えられています（チェックサムが一致しません）</translation>
    </message>
    <message>
        <source>it has an empty line</source>
        <translation>空の行があります</translation>
    </message>
    <message>
        <source>it has no start</source>
        <translation>始まりがありません</translation>
    </message>
    <message>
        <source>the recorded game did not end</source>
        <translation>記録されたゲームが終わっていません</translation>
    </message>
    <message>
        <source>the replay&apos;s game does not end</source>
        <translation>リプレイのゲームが終わりません</translation>
    </message>
    <message>
        <source>the replay ends with %1 points, not the %2 it records</source>
        <translation>リプレイは %1 点で終わり、記録の %2 点と違います</translation>
    </message>
    <message>
        <source>the replay&apos;s game lasts %1 ms, not the %2 it records</source>
        <translation>リプレイのゲームは %1 ms 続き、記録の %2 と違います</translation>
    </message>
    <message>
        <source>%1 is no replay: it is %2</source>
        <translation>%1 はリプレイではありません：%2 です</translation>
    </message>
    <message>
        <source>%1 is no replay: %2</source>
        <translation>%1 はリプレイではありません：%2</translation>
    </message>
    <message>
        <source>The replay could not be kept: %1</source>
        <translation>リプレイを残せませんでした：%1</translation>
    </message>
</context>
<context>
    <name>Replays</name>
    <message>
        <source>unknown</source>
        <translation>不明</translation>
    </message>
    <message>
        <source>not a replay: %1</source>
        <translation>リプレイではありません：%1</translation>
    </message>
    <message>
        <source>unfinished</source>
        <translation>未完了</translation>
    </message>
    <message>
        <source>not proved: %1</source>
        <translation>証明されていません：%1</translation>
    </message>
    <message>
        <source>continued from a saved game: it proves no score</source>
        <translation>セーブから続けたゲーム：スコアの証明になりません</translation>
    </message>
    <message>
        <source>proved by its replay (rewound while played)</source>
        <translation>リプレイで証明済み（プレイ中に巻き戻しあり）</translation>
    </message>
    <message>
        <source>proved by its replay</source>
        <translation>リプレイで証明済み</translation>
    </message>
    <message>
        <source>MP4 (H.264, with sound)</source>
        <translation>MP4（H.264、音あり）</translation>
    </message>
    <message>
        <source>WebM (VP9, with sound)</source>
        <translation>WebM（VP9、音あり）</translation>
    </message>
    <message>
        <source>GIF</source>
        <translation>GIF</translation>
    </message>
    <message>
        <source>Animated WebP</source>
        <translation>アニメーション WebP</translation>
    </message>
    <message>
        <source>Export a clip</source>
        <translation>クリップを書き出す</translation>
    </message>
    <message>
        <source>%1 frames a second</source>
        <translation>毎秒 %1 コマ</translation>
    </message>
    <message>
        <source>The whole unit</source>
        <translation>本体全体</translation>
    </message>
    <message>
        <source>The LCD alone</source>
        <translation>液晶だけ</translation>
    </message>
    <message>
        <source>Exact</source>
        <translation>正確</translation>
    </message>
    <message>
        <source>Real: segments fade and cast shadows</source>
        <translation>リアル：セグメントがにじみ、影を落とす</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>形式：</translation>
    </message>
    <message>
        <source>Zoom:</source>
        <translation>ズーム：</translation>
    </message>
    <message>
        <source>Frame rate:</source>
        <translation>フレームレート：</translation>
    </message>
    <message>
        <source>Show:</source>
        <translation>表示：</translation>
    </message>
    <message>
        <source>Look:</source>
        <translation>見た目：</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>書き出す...</translation>
    </message>
    <message>
        <source>Replays and high scores</source>
        <translation>リプレイとハイスコア</translation>
    </message>
    <message>
        <source>Game A</source>
        <translation>ゲームA</translation>
    </message>
    <message>
        <source>Game B</source>
        <translation>ゲームB</translation>
    </message>
    <message>
        <source>Recent games</source>
        <translation>最近のゲーム</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>ゲーム</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>スコア</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>プレイ日時</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>長さ</translation>
    </message>
    <message>
        <source>Replay</source>
        <translation>リプレイ</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>再生</translation>
    </message>
    <message>
        <source>Export a clip...</source>
        <translation>クリップを書き出す...</translation>
    </message>
    <message>
        <source>Open the folder</source>
        <translation>フォルダを開く</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>No games yet: every game played is kept here as a replay when it ends, in
%1</source>
        <translation>まだゲームがありません。プレイしたゲームは終わるとリプレイとしてここに残ります：
%1</translation>
    </message>
    <message>
        <source>Kept in %1</source>
        <translation>保存先：%1</translation>
    </message>
    <message>
        <source>%1 clips (*.%2)</source>
        <translation>%1 クリップ (*.%2)</translation>
    </message>
    <message>
        <source>Exporting the clip...</source>
        <translation>クリップを書き出しています...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>SavedGame</name>
    <message>
        <source>it is not a saved game of Ignivar</source>
        <translation>Ignivar のセーブデータではありません</translation>
    </message>
    <message>
        <source>it is cut short</source>
        <translation>途中で切れています</translation>
    </message>
    <message>
        <source>it was saved in another format (version %1; this program reads %2)</source>
        <translation>形式が違います（バージョン %1。このプログラムが読めるのは %2）</translation>
    </message>
    <message>
        <source>its length is not that of a saved game</source>
        <translation>長さがセーブデータと合いません</translation>
    </message>
    <message>
        <source>it has more in it than a saved game</source>
        <translation>セーブデータより多くの内容があります</translation>
    </message>
    <message>
        <source>it is damaged (its checksum does not match)</source>
        <translation>壊れています（チェックサムが一致しません）</translation>
    </message>
    <message>
        <source>it holds a moment no unit can be in</source>
        <translation>本体ではありえない状態が入っています</translation>
    </message>
    <message>
        <source>The game could not be saved: %1</source>
        <translation>ゲームをセーブできませんでした：%1</translation>
    </message>
    <message>
        <source>%1 is no saved game: it is %2</source>
        <translation>%1 はセーブデータではありません：%2 です</translation>
    </message>
    <message>
        <source>%1 is no saved game: %2</source>
        <translation>%1 はセーブデータではありません：%2</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>the file or its folder cannot be written</source>
        <translation>ファイルかそのフォルダに書き込めません</translation>
    </message>
    <message>
        <source>the file is not a valid settings file</source>
        <translation>このファイルは正しい設定ファイルではありません</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>不明なエラー</translation>
    </message>
    <message>
        <source>%1 is %2, so settings cannot be written; they are kept for this run only</source>
        <translation>%1 は%2なので設定を書き込めません。設定は今回の実行中だけ有効です</translation>
    </message>
    <message>
        <source>The settings folder&apos;s name is not valid UTF-8 (%1), so settings cannot be kept and will be lost when the program ends</source>
        <translation>設定フォルダの名前が正しい UTF-8 ではない（%1）ため、設定を保存できず、プログラムの終了時に失われます</translation>
    </message>
    <message>
        <source>%1 is not a regular file (%2), so settings cannot be kept and will be lost when the program ends</source>
        <translation>%1 は通常のファイルではない（%2）ため、設定を保存できず、プログラムの終了時に失われます</translation>
    </message>
    <message>
        <source>a folder, device or pipe</source>
        <translation>フォルダ、デバイスまたはパイプ</translation>
    </message>
    <message>
        <source>%1: %2; what cannot be read takes its default, and a copy of the file is kept as %3 before it is written</source>
        <translation>%1：%2。読めない項目は標準の値になり、書き込む前にファイルの写しを %3 として残します</translation>
    </message>
    <message>
        <source>cannot read %1</source>
        <translation>%1 を読めません</translation>
    </message>
    <message>
        <source>%1 is far too large to be a settings file and cannot be moved aside</source>
        <translation>%1 は設定ファイルにしては大きすぎ、よけておくこともできません</translation>
    </message>
    <message>
        <source>%1 was far too large to be a settings file; it is kept as %2 and the settings start from their defaults</source>
        <translation>%1 は設定ファイルにしては大きすぎました。%2 として残し、設定は標準の値から始めます</translation>
    </message>
    <message>
        <source>cannot save a copy of the unreadable %1 before writing it</source>
        <translation>読めない %1 の写しを、書き込む前に保存できません</translation>
    </message>
    <message>
        <source>%1 is locked by another program (process %2), so settings cannot be written; they are kept for this run only</source>
        <translation>%1 は別のプログラム（プロセス %2）がロックしているため設定を書き込めません。設定は今回の実行中だけ有効です</translation>
    </message>
</context>
<context>
    <name>Skin</name>
    <message>
        <source>There is not enough memory to load the skin of %1</source>
        <translation>%1 のスキンを読み込むためのメモリが足りません</translation>
    </message>
    <message>
        <source>%1: a unit of %2 x %3 pixels would need more than %4 MiB of memory for its window, so the skin is not loaded</source>
        <translation>%1：%2 x %3 ピクセルの本体はウィンドウに %4 MiB を超えるメモリが要るため、スキンを読み込みません</translation>
    </message>
    <message>
        <source>Your own skin file cannot be used: %1</source>
        <translation>自分のスキンファイルは使えません：%1</translation>
    </message>
    <message>
        <source>Configuration file (Config.ini) not found. Please reinstall the game.</source>
        <translation>設定ファイル（Config.ini）が見つかりません。ゲームを入れ直してください。</translation>
    </message>
    <message>
        <source>Cannot make your own copy of Config.ini as %1: %2</source>
        <translation>自分用の Config.ini を %1 として作れません：%2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>「%1」は正しい整数ではありません</translation>
    </message>
    <message>
        <source>%1: the LCD&apos;s glass %2 is missing, so unlit segments are drawn over the face as it is</source>
        <translation>%1：LCD のガラス %2 がないため、消えている表示はそのままの前面の上に描きます</translation>
    </message>
    <message>
        <source>%1: the LCD&apos;s high-contrast face %2 is missing, so the high-contrast look shows the face as it is</source>
        <translation>%1：LCD のハイコントラスト前面 %2 がないため、ハイコントラスト表示でも前面をそのまま見せます</translation>
    </message>
    <message>
        <source>%1: [LCD] %2=%3 is not a whole number from %4 to %5, so %6 is used</source>
        <translation>%1：[LCD] %2=%3 は %4～%5 の整数ではないため、%6 を使います</translation>
    </message>
</context>
<context>
    <name>Sound</name>
    <message>
        <source>Sound folder unproperly installed. Please reinstall the game.</source>
        <translation>Sound フォルダが正しく入っていません。ゲームを入れ直してください。</translation>
    </message>
    <message>
        <source>no sound output is named &quot;%1&quot;</source>
        <translation>「%1」という名前の音声出力はありません</translation>
    </message>
</context>
<context>
    <name>Sounds</name>
    <message>
        <source>its format chunk is cut short</source>
        <translation>フォーマットのチャンクが途中で切れています</translation>
    </message>
    <message>
        <source>its encoding is not PCM or float (format %1, %2 bits)</source>
        <translation>符号化が PCM でも浮動小数点でもありません（形式 %1、%2 ビット）</translation>
    </message>
    <message>
        <source>it has %1 channels (1 or 2 can be played)</source>
        <translation>チャンネルが %1 あります（再生できるのは 1 か 2）</translation>
    </message>
    <message>
        <source>its rate is %1 Hz (%2 to %3 Hz can be played)</source>
        <translation>サンプリング周波数が %1 Hz です（再生できるのは %2～%3 Hz）</translation>
    </message>
    <message>
        <source>it is not a WAV file</source>
        <translation>WAV ファイルではありません</translation>
    </message>
    <message>
        <source>its format chunk runs past the end of the file</source>
        <translation>フォーマットのチャンクがファイルの終わりを越えています</translation>
    </message>
    <message>
        <source>its samples come before their format</source>
        <translation>サンプルがそのフォーマットより前にあります</translation>
    </message>
    <message>
        <source>it is far too long for a sound effect (%1 s)</source>
        <translation>効果音にしては長すぎます（%1 秒）</translation>
    </message>
    <message>
        <source>it has no samples</source>
        <translation>サンプルがありません</translation>
    </message>
    <message>
        <source>it has no format chunk</source>
        <translation>フォーマットのチャンクがありません</translation>
    </message>
</context>
<context>
    <name>Splash</name>
    <message>
        <source>website:</source>
        <translation>サイト：</translation>
    </message>
    <message>
        <source>email:</source>
        <translation>メール：</translation>
    </message>
    <message>
        <source>Select sound driver:</source>
        <translation>サウンド出力：</translation>
    </message>
    <message>
        <source>About this game...</source>
        <translation>このゲームについて...</translation>
    </message>
    <message>
        <source>Sound output</source>
        <translation>サウンド出力</translation>
    </message>
    <message>
        <source>Display this splash screen at startup</source>
        <translation>起動時にこの画面を表示</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>寄付</translation>
    </message>
    <message>
        <source>Opens the donation page in the browser</source>
        <translation>ブラウザで寄付のページを開きます</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>プレイ</translation>
    </message>
    <message>
        <source>Switches the unit on</source>
        <translation>本体の電源を入れます</translation>
    </message>
    <message>
        <source>please select sound driver first</source>
        <translation>先にサウンド出力を選んでください</translation>
    </message>
    <message>
        <source>Unavailable until a sound output is chosen</source>
        <translation>サウンド出力を選ぶまで使えません</translation>
    </message>
    <message>
        <source>Choose a sound output above, then Play</source>
        <translation>上でサウンド出力を選び、プレイを押してください</translation>
    </message>
    <message>
        <source>Plays through the desktop&apos;s sound server (PipeWire or PulseAudio)</source>
        <translation>デスクトップの音声サーバー（PipeWire か PulseAudio）で再生</translation>
    </message>
    <message>
        <source>Plays through ALSA, straight to the sound card</source>
        <translation>ALSA でサウンドカードに直接再生します</translation>
    </message>
    <message>
        <source>The unit plays silent</source>
        <translation>本体は音を出さずに動きます</translation>
    </message>
    <message>
        <source>Made by %1, released on %2</source>
        <translation>%1 作、%2 公開</translation>
    </message>
    <message>
        <source>d MMMM yyyy</source>
        <translation>yyyy年M月d日</translation>
    </message>
    <message>
        <source>(no sound)</source>
        <translation>（音なし）</translation>
    </message>
</context>
<context>
    <name>SplashPictures</name>
    <message>
        <source>Fire · Water · Watch
Pocket LCD game</source>
        <translation>火 · 水 · 時計
携帯LCDゲーム</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>プレイ</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>寄付する</translation>
    </message>
</context>
<context>
    <name>Unit</name>
    <message>
        <source>Language: %1</source>
        <translation>言語：%1</translation>
    </message>
    <message>
        <source>No game to pause: a watch shows the time</source>
        <translation>一時停止するゲームはありません：時計を表示中</translation>
    </message>
    <message>
        <source>No game to save</source>
        <translation>セーブするゲームはありません</translation>
    </message>
    <message>
        <source>Game %1 saved</source>
        <translation>ゲーム%1 をセーブしました</translation>
    </message>
    <message>
        <source>No game saved yet</source>
        <translation>セーブしたゲームはまだありません</translation>
    </message>
    <message>
        <source>Game %1 loaded</source>
        <translation>ゲーム%1 をロードしました</translation>
    </message>
    <message>
        <source>Rewound as far as it goes</source>
        <translation>これ以上は巻き戻せません</translation>
    </message>
    <message>
        <source>REWIND</source>
        <translation>巻き戻し</translation>
    </message>
    <message>
        <source>PAUSED · %1 plays on</source>
        <translation>一時停止中 · %1 で再開</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>保存しました：%1</translation>
    </message>
    <message>
        <source>MUTED · %1 sounds again</source>
        <translation>ミュート中 · %1 で音を戻す</translation>
    </message>
    <message>
        <source>SOUND ON</source>
        <translation>サウンド オン</translation>
    </message>
    <message>
        <source>No sound: %1</source>
        <translation>音が出ません：%1</translation>
    </message>
    <message>
        <source>no device to play on</source>
        <translation>再生できる機器がありません</translation>
    </message>
    <message>
        <source>paused</source>
        <translation>一時停止</translation>
    </message>
    <message>
        <source>REPLAY %1 · game %2 · %3 points</source>
        <translation>リプレイ %1 · ゲーム%2 · %3 点</translation>
    </message>
</context>
</TS>
