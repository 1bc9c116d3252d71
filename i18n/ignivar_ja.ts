<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
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
</context>
<context>
    <name>Unit</name>
    <message>
        <source>Language: %1</source>
        <translation>言語：%1</translation>
    </message>
</context>
</TS>
