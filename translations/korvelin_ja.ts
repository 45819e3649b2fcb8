<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>kv::AudienceWindow</name>
    <message>
        <source>Korvelin audience display</source>
        <translation>Korvelin 観客用表示</translation>
    </message>
</context>
<context>
    <name>kv::SideNames</name>
    <message>
        <source>Home</source>
        <translation>ホーム</translation>
    </message>
    <message>
        <source>Visitor</source>
        <translation>ビジター</translation>
    </message>
</context>
<context>
    <name>kv::frmChooseKey</name>
    <message>
        <source>This is not a valid key, please choose another or close this window to return.</source>
        <translation>このキーは使えません。別のキーを押すか、このウィンドウを閉じてください。</translation>
    </message>
</context>
<context>
    <name>kv::frmHelp</name>
    <message>
        <source>Help file has been moved from its normal location.  Please reinstall the program.</source>
        <translation>ヘルプファイルが本来の場所にありません。プログラムを再インストールしてください。</translation>
    </message>
    <message>
        <source>Help file cannot be read.  Please reinstall the program.</source>
        <translation>ヘルプファイルを読み込めません。プログラムを再インストールしてください。</translation>
    </message>
    <message>
        <source>Korvelin Help</source>
        <translation>Korvelin ヘルプ</translation>
    </message>
</context>
<context>
    <name>kv::frmOptions</name>
    <message>
        <source>System</source>
        <translation>システム</translation>
    </message>
    <message>
        <source>Key Controls|Color Controls|Text Controls|Pictures|Additional Settings</source>
        <translation>キー|色|テキスト|画像|その他の設定</translation>
    </message>
    <message>
        <source>Start / Stop Contest Clock</source>
        <translation>試合時計の開始/停止</translation>
    </message>
    <message>
        <source>Reset Contest</source>
        <translation>試合のリセット</translation>
    </message>
    <message>
        <source># Clear Key</source>
        <translation># 消去キー</translation>
    </message>
    <message>
        <source>Numlock Options:</source>
        <translation>NumLock の設定:</translation>
    </message>
    <message>
        <source>Normal Mode</source>
        <translation>通常モード</translation>
    </message>
    <message>
        <source>Keep Numlock On</source>
        <translation>常にオン</translation>
    </message>
    <message>
        <source>Keep Numlock Off</source>
        <translation>常にオフ</translation>
    </message>
    <message>
        <source>Reset Keys</source>
        <translation>初期値に戻す</translation>
    </message>
    <message>
        <source>Back Color:</source>
        <translation>背景色:</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>変更</translation>
    </message>
    <message>
        <source>LED Background:</source>
        <translation>LED 背景色:</translation>
    </message>
    <message>
        <source>Border Color:</source>
        <translation>枠の色:</translation>
    </message>
    <message>
        <source>Score Color:</source>
        <translation>得点の色:</translation>
    </message>
    <message>
        <source>Hold Color:</source>
        <translation>抑え込みの色:</translation>
    </message>
    <message>
        <source>Time Color:</source>
        <translation>時間の色:</translation>
    </message>
    <message>
        <source>LED Selected</source>
        <translation>選択枠</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>幅:</translation>
    </message>
    <message>
        <source>Reset Colors</source>
        <translation>初期値に戻す</translation>
    </message>
    <message>
        <source>Board Name:</source>
        <translation>スコアボードの名前:</translation>
    </message>
    <message>
        <source>Home Name:</source>
        <translation>ホーム側の名前:</translation>
    </message>
    <message>
        <source>Visitor Name:</source>
        <translation>ビジター側の名前:</translation>
    </message>
    <message>
        <source>Home Picture</source>
        <translation>ホーム側の画像</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Visitor Picture</source>
        <translation>ビジター側の画像</translation>
    </message>
    <message>
        <source>Digit Type:</source>
        <translation>数字の種類:</translation>
    </message>
    <message>
        <source>Lines|Dots</source>
        <translation>線|点</translation>
    </message>
    <message>
        <source>Preview:</source>
        <translation>見本:</translation>
    </message>
    <message>
        <source>Buzzer sound:</source>
        <translation>ブザー音:</translation>
    </message>
    <message>
        <source>Change Sound ...</source>
        <translation>音の変更 ...</translation>
    </message>
    <message>
        <source>No Sound</source>
        <translation>音なし</translation>
    </message>
    <message>
        <source>Select Sound Key</source>
        <translation>ブザーキーの選択</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>言語:</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>OK(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>取消し(&amp;C)</translation>
    </message>
</context>
<context>
    <name>kv::frmScoreboard</name>
    <message>
        <source>CONTEST TIME</source>
        <translation>試合時間</translation>
    </message>
    <message>
        <source>WINNER</source>
        <translation>勝者</translation>
    </message>
</context>
<context>
    <name>kv::frmSplash</name>
    <message>
        <source>Click to continue.</source>
        <translation>クリックで開始します。</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>設定(&amp;O)</translation>
    </message>
    <message>
        <source>Press &apos; F2 &apos; to set Options from the scoreboard.</source>
        <translation>スコアボードで「F2」を押すと設定を開きます。</translation>
    </message>
    <message>
        <source>Press &apos; F1 &apos; to view Help from the scoreboard.</source>
        <translation>スコアボードで「F1」を押すとヘルプを開きます。</translation>
    </message>
    <message>
        <source>by Brontique</source>
        <translation>Brontique 製</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>バージョン %1.%2.%3</translation>
    </message>
</context>
</TS>
