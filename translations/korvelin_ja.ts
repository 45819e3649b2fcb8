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
    <name>kv::BoardView</name>
    <message>
        <source>Connection lost</source>
        <translation>接続が切れました</translation>
    </message>
</context>
<context>
    <name>kv::BoardWebService</name>
    <message>
        <source>The board cannot be shown on the network: port %1 cannot be opened (%2).

Korvelin runs on without it. Choose another port in the options (F2, &quot;Network&quot;).</source>
        <translation>スコアボードをネットワークに表示できません。ポート %1 を開けません (%2)。

Korvelin はそのまま動作します。設定 (F2、「ネットワーク」) で別のポートを選んでください。</translation>
    </message>
</context>
<context>
    <name>kv::BrokerAddress</name>
    <message>
        <source>&quot;%1&quot; has no closing ]</source>
        <translation>「%1」に閉じる ] がありません</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not HOST[:PORT]</source>
        <translation>「%1」は HOST[:PORT] の形ではありません</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has no port after the colon</source>
        <translation>「%1」はコロンの後にポートがありません</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an IPv6 address</source>
        <translation>「%1」は IPv6 アドレスではありません</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names no host</source>
        <translation>「%1」にホスト名がありません</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a host name</source>
        <translation>「%1」はホスト名ではありません</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a port number from 1 to 65535</source>
        <translation>「%1」は 1～65535 のポート番号ではありません</translation>
    </message>
</context>
<context>
    <name>kv::CommandLine</name>
    <message>
        <source>skip the splash screen and open the scoreboard at once</source>
        <translation>開始画面を飛ばしてすぐにスコアボードを開く</translation>
    </message>
    <message>
        <source>open the audience display on the first screen without the board</source>
        <translation>スコアボードのない最初の画面に観客用表示を開く</translation>
    </message>
    <message>
        <source>open the audience display on screen N (counted from 1)</source>
        <translation>画面 N (1 から数える) に観客用表示を開く</translation>
    </message>
    <message>
        <source>show the board in browsers on the network, on the port of the
options (8090 unless changed): http://&lt;this computer&gt;:8090/</source>
        <translation>ネットワーク上のブラウザーにスコアボードを表示する (ポートは設定の
もの、初期値 8090): http://&lt;このコンピューター&gt;:8090/</translation>
    </message>
    <message>
        <source>the same, on PORT (1 to 65535) for this run</source>
        <translation>同上、今回だけポート PORT (1～65535) で</translation>
    </message>
    <message>
        <source>show these options and end</source>
        <translation>このオプション一覧を表示して終了する</translation>
    </message>
    <message>
        <source>Usage:</source>
        <translation>使い方:</translation>
    </message>
    <message>
        <source>A judo contest scoreboard.</source>
        <translation>柔道の試合用スコアボード。</translation>
    </message>
    <message>
        <source>The board is not shown on the network: &quot;%1&quot; is not a port number. Use --serve for the port of the options or --serve=PORT with PORT from 1 to 65535.</source>
        <translation>スコアボードはネットワークに表示されません。「%1」はポート番号ではありません。設定のポートなら --serve、ポートを指定するなら --serve=PORT (PORT は 1～65535) を使ってください。</translation>
    </message>
    <message>
        <source>The audience display was not opened: &quot;%1&quot; is not a screen number. Use --audience for the first free screen or --audience=N with N from 1 for the screen by number.</source>
        <translation>観客用表示を開けませんでした。「%1」は画面番号ではありません。最初の空いている画面なら --audience、番号で選ぶなら --audience=N (N は 1 から) を使ってください。</translation>
    </message>
    <message>
        <source>The board is not put on the broker: &quot;%1&quot; is not a mat number. Use --mat=N with N from 1 to 99.</source>
        <translation>スコアボードはブローカーに接続されません。「%1」は試合場の番号ではありません。--mat=N (N は 1～99) を使ってください。</translation>
    </message>
    <message>
        <source>The broker is not used: %1. Use --broker=HOST or --broker=HOST:PORT.</source>
        <translation>ブローカーは使われません: %1。--broker=HOST または --broker=HOST:PORT を使ってください。</translation>
    </message>
    <message>
        <source>this board is mat N (1 to 99) on the hall&apos;s broker</source>
        <translation>このスコアボードを会場のブローカー上の試合場 N (1～99) にする</translation>
    </message>
    <message>
        <source>publish the board on the hall&apos;s MQTT broker (port 1883 unless
given) for this run; with --hall, the broker to show</source>
        <translation>今回の実行中、会場の MQTT ブローカーにスコアボードを公開する
(ポート省略時は 1883)。--hall と併用すると表示するブローカー</translation>
    </message>
    <message>
        <source>reach the broker with TLS (port 8883 unless given)</source>
        <translation>TLS でブローカーに接続する (ポート省略時は 8883)</translation>
    </message>
    <message>
        <source>the user name at the broker; the password is the options&apos;</source>
        <translation>ブローカーのユーザー名 (パスワードは設定のもの)</translation>
    </message>
    <message>
        <source>the hall view: every mat on the broker, one compact board each</source>
        <translation>会場ビュー: ブローカー上の全試合場を小さなスコアボードで表示する</translation>
    </message>
</context>
<context>
    <name>kv::ContestRecorder</name>
    <message>
        <source>nothing to undo</source>
        <translation>取り消せる操作はありません</translation>
    </message>
    <message>
        <source>undone: %1</source>
        <extracomment>%1 is what was undone (&quot;shido Visitor&quot;)</extracomment>
        <translation>取り消し: %1</translation>
    </message>
    <message>
        <source>the results cannot be saved</source>
        <translation>試合結果を保存できません</translation>
    </message>
</context>
<context>
    <name>kv::EventText</name>
    <message>
        <source>clock started</source>
        <translation>時計開始</translation>
    </message>
    <message>
        <source>clock stopped</source>
        <translation>時計停止</translation>
    </message>
    <message>
        <source>time up</source>
        <translation>時間切れ</translation>
    </message>
    <message>
        <source>osaekomi</source>
        <translation>抑え込み</translation>
    </message>
    <message>
        <source>toketa</source>
        <translation>解けた</translation>
    </message>
    <message>
        <source>ippon</source>
        <translation>一本</translation>
    </message>
    <message>
        <source>waza-ari</source>
        <translation>技あり</translation>
    </message>
    <message>
        <source>yuko</source>
        <translation>有効</translation>
    </message>
    <message>
        <source>shido</source>
        <translation>指導</translation>
    </message>
    <message>
        <source>medical</source>
        <translation>医療処置</translation>
    </message>
    <message>
        <source>winner</source>
        <translation>勝者</translation>
    </message>
    <message>
        <source>golden score</source>
        <translation>ゴールデンスコア</translation>
    </message>
    <message>
        <source>contest length</source>
        <translation>試合時間</translation>
    </message>
    <message>
        <source>undo</source>
        <translation>取り消し</translation>
    </message>
    <message>
        <source>reset</source>
        <translation>リセット</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>%1 is what happened (&quot;shido&quot;), %2 the side (&quot;Visitor&quot;)</extracomment>
        <translation>%2の%1</translation>
    </message>
</context>
<context>
    <name>kv::HallWindow</name>
    <message>
        <source>Waiting for the mats on %1:%2</source>
        <translation>%1:%2 の試合場を待っています</translation>
    </message>
    <message>
        <source>Korvelin hall</source>
        <translation>Korvelin 会場ビュー</translation>
    </message>
    <message>
        <source>broker offline</source>
        <translation>ブローカー未接続</translation>
    </message>
    <message>
        <source>Waiting for the mats</source>
        <translation>試合場を待っています</translation>
    </message>
</context>
<context>
    <name>kv::JournalKeeper</name>
    <message>
        <source>Close Korvelin</source>
        <translation>Korvelin の終了</translation>
    </message>
    <message>
        <source>A contest is running. Close Korvelin anyway?</source>
        <translation>試合中です。Korvelin を終了しますか?</translation>
    </message>
    <message>
        <source>contest restored</source>
        <translation>試合を復元しました</translation>
    </message>
    <message>
        <source>the contest cannot be saved</source>
        <translation>試合を保存できません</translation>
    </message>
</context>
<context>
    <name>kv::KeyNames</name>
    <message>
        <source>Backspace</source>
        <extracomment>A key&apos;s name as the keyboards of the language print it.</extracomment>
        <translation>BackSpace</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>Ctrl</source>
        <translation>Ctrl</translation>
    </message>
    <message>
        <source>Pause/Break</source>
        <translation>Pause/Break</translation>
    </message>
    <message>
        <source>Page Up</source>
        <translation>PageUp</translation>
    </message>
    <message>
        <source>Page Down</source>
        <translation>PageDown</translation>
    </message>
    <message>
        <source>End</source>
        <translation>End</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Home</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Insert</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Numpad *</source>
        <translation>テンキー *</translation>
    </message>
    <message>
        <source>Numpad /</source>
        <translation>テンキー /</translation>
    </message>
</context>
<context>
    <name>kv::KorvelinApplication</name>
    <message>
        <source>Unknown error</source>
        <translation>不明なエラー</translation>
    </message>
    <message>
        <source>Korvelin has met an unexpected error and must close.

%1</source>
        <translation>Korvelin で予期しないエラーが発生したため、終了します。

%1</translation>
    </message>
    <message>
        <source>The hall view needs the hall&apos;s message broker: korvelin --hall --broker=HOST[:PORT], or a broker in the options (F2, &quot;Network&quot;).</source>
        <translation>会場ビューには会場のメッセージブローカーが必要です。korvelin --hall --broker=HOST[:PORT] で指定するか、設定 (F2、「ネットワーク」) でブローカーを入力してください。</translation>
    </message>
</context>
<context>
    <name>kv::MatBoard</name>
    <message>
        <source>MAT %1</source>
        <translation>第%1試合場</translation>
    </message>
    <message>
        <source>SHIDO</source>
        <translation>指導</translation>
    </message>
    <message>
        <source>GOLDEN SCORE</source>
        <translation>ゴールデンスコア</translation>
    </message>
    <message>
        <source>offline</source>
        <translation>未接続</translation>
    </message>
</context>
<context>
    <name>kv::MatService</name>
    <message>
        <source>The broker &quot;%1&quot; is not used: %2.</source>
        <translation>ブローカー「%1」は使われません: %2。</translation>
    </message>
    <message>
        <source>broker offline</source>
        <translation>ブローカー未接続</translation>
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
    <message>
        <source>Choose Key</source>
        <translation>キーの選択</translation>
    </message>
    <message>
        <source>Press the key you would like to %1.</source>
        <extracomment>%1 is the action, as &quot;start / stop the contest clock&quot;.</extracomment>
        <translation>%1キーを押してください。</translation>
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
    <message>
        <source>Pictures (*.bmp;*.gif;*.jpg)</source>
        <translation>画像 (*.bmp;*.gif;*.jpg)</translation>
    </message>
    <message>
        <source>Sounds *.wav</source>
        <translation>音声 *.wav</translation>
    </message>
    <message>
        <source>[No File Selected]</source>
        <translation>[ファイルが選ばれていません]</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>start / stop the contest clock</source>
        <translation>試合時計の開始/停止に使う</translation>
    </message>
    <message>
        <source>reset the contest clock</source>
        <translation>試合のリセットに使う</translation>
    </message>
    <message>
        <source>sound the buzzer</source>
        <translation>ブザーを鳴らす</translation>
    </message>
    <message>
        <source>clear a number</source>
        <translation>数字の消去に使う</translation>
    </message>
    <message>
        <source>Rule set</source>
        <translation>ルール</translation>
    </message>
    <message>
        <source>The rule set cannot change while a contest is under way: this contest goes on under %1.

Press the reset key to end the contest, then choose %2 again.</source>
        <translation>試合中はルールを変更できません。この試合は %1 のまま続きます。

リセットキーで試合を終えてから、もう一度 %2 を選んでください。</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the colors?</source>
        <translation>色を初期値に戻しますか?</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the keys?</source>
        <translation>キーを初期値に戻しますか?</translation>
    </message>
    <message>
        <source>Change Picture</source>
        <translation>画像の変更</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be read as a picture.

Please choose a bmp, gif or jpg picture file.</source>
        <translation>ファイル「%1」を画像として読み込めません。

bmp、gif、jpg の画像ファイルを選んでください。</translation>
    </message>
    <message>
        <source>The settings could not be saved: the settings store cannot be written (is it read-only, or the disk full?).

The new settings apply until Korvelin is closed.</source>
        <translation>設定を保存できませんでした。設定の保存先に書き込めません (読み取り専用か、ディスクがいっぱいではありませんか)。

新しい設定は Korvelin を閉じるまで有効です。</translation>
    </message>
    <message>
        <source>Rule set:</source>
        <translation>ルール:</translation>
    </message>
    <message>
        <source>Classic|IJF 2018|IJF 2025</source>
        <translation>クラシック|IJF 2018|IJF 2025</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>カテゴリー:</translation>
    </message>
    <message>
        <source>None|Seniors 4:00|U21 4:00|U18 4:00|U15 3:00|Veterans 3:00|Children 2:00</source>
        <translation>なし|シニア 4:00|U21 4:00|U18 4:00|U15 3:00|ベテラン 3:00|キッズ 2:00</translation>
    </message>
    <message>
        <source>Golden score limit:</source>
        <translation>ゴールデンスコアの上限:</translation>
    </message>
    <message>
        <source>Unlimited|1 minute|2 minutes|3 minutes|4 minutes|5 minutes|None</source>
        <translation>無制限|1 分|2 分|3 分|4 分|5 分|なし</translation>
    </message>
    <message>
        <source>Osaekomi:</source>
        <translation>抑え込み:</translation>
    </message>
    <message>
        <source>Score holds automatically</source>
        <translation>抑え込みを自動で採点</translation>
    </message>
    <message>
        <source>A category fills the contest length and the golden-score limit; the length can still be typed on the contest clock. The rule set changes only between contests: press the reset key first.</source>
        <translation>カテゴリーを選ぶと試合時間とゴールデンスコアの上限が設定されます。試合時間は試合時計に入力することもできます。ルールは試合と試合の間にだけ変更できます。先にリセットキーを押してください。</translation>
    </message>
    <message>
        <source>Key Controls|Color Controls|Text Controls|Pictures|Additional Settings|Rules|Network</source>
        <translation>キー|色|テキスト|画像|その他の設定|ルール|ネットワーク</translation>
    </message>
    <message>
        <source>Show the board in browsers on the network:</source>
        <translation>ネットワーク上のブラウザーに表示:</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>オフ</translation>
    </message>
    <message>
        <source>On, on port:</source>
        <translation>オン、ポート:</translation>
    </message>
    <message>
        <source>Any browser on the hall&apos;s network then shows the board at the address in the board&apos;s title bar (http://this computer:port/), a stream overlay at /overlay and the state as JSON at /state. Nothing on the network can change the contest.</source>
        <translation>会場のネットワーク上のブラウザーで、タイトルバーのアドレス (http://このコンピューター:ポート/) にスコアボード、/overlay に配信用のバー、/state に JSON 形式の状態が表示されます。ネットワークから試合を変更することはできません。</translation>
    </message>
    <message>
        <source>undo the last change</source>
        <translation>直前の変更の取り消しに使う</translation>
    </message>
    <message>
        <source>Undo Last Change</source>
        <translation>直前の変更を取り消す</translation>
    </message>
    <message>
        <source>The hall&apos;s message broker (MQTT):</source>
        <translation>会場のメッセージブローカー (MQTT):</translation>
    </message>
    <message>
        <source>Broker (host:port):</source>
        <translation>ブローカー (ホスト:ポート):</translation>
    </message>
    <message>
        <source>This board is mat:</source>
        <translation>このボードの試合場:</translation>
    </message>
    <message>
        <source>User name:</source>
        <translation>ユーザー名:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>パスワード:</translation>
    </message>
    <message>
        <source>Empty: on no broker. The board publishes its state, results and presence under korvelin/mat/N/.</source>
        <translation>空欄ならブローカーを使いません。スコアボードは状態・結果・接続状況を korvelin/mat/N/ に公開します。</translation>
    </message>
</context>
<context>
    <name>kv::frmResults</name>
    <message>
        <source>ippon %1</source>
        <translation>一本 %1</translation>
    </message>
    <message>
        <source>none</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>ippon</source>
        <translation>一本</translation>
    </message>
    <message>
        <source>waza-ari</source>
        <translation>技あり</translation>
    </message>
    <message>
        <source>yuko</source>
        <translation>有効</translation>
    </message>
    <message>
        <source>hansoku-make</source>
        <translation>反則負け</translation>
    </message>
    <message>
        <source>decision</source>
        <translation>判定</translation>
    </message>
    <message>
        <source>golden score</source>
        <translation>ゴールデンスコア</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>クラシック</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>時刻</translation>
    </message>
    <message>
        <source>How</source>
        <translation>決まり手</translation>
    </message>
    <message>
        <source>Home score</source>
        <translation>ホームの得点</translation>
    </message>
    <message>
        <source>Visitor score</source>
        <translation>ビジターの得点</translation>
    </message>
    <message>
        <source>Time used</source>
        <translation>試合時間</translation>
    </message>
    <message>
        <source>Rule set</source>
        <translation>ルール</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>試合結果</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>エクスポート...</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>フォルダーを開く</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>The results cannot be read: %1</source>
        <translation>試合結果を読み込めません: %1</translation>
    </message>
    <message>
        <source>No contests on %1.</source>
        <translation>%1 の試合はありません。</translation>
    </message>
    <message>
        <source>1 contest on %1</source>
        <translation>%1 の試合: 1 件</translation>
    </message>
    <message>
        <source>%1 contests on %2</source>
        <translation>%2 の試合: %1 件</translation>
    </message>
    <message>
        <source>(1 damaged line skipped)</source>
        <translation>(破損した 1 行を飛ばしました)</translation>
    </message>
    <message>
        <source>(%1 damaged lines skipped)</source>
        <translation>(破損した %1 行を飛ばしました)</translation>
    </message>
    <message>
        <source>CSV files</source>
        <translation>CSV ファイル</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>エクスポート</translation>
    </message>
    <message>
        <source>The results cannot be written to %1: %2</source>
        <translation>試合結果を %1 に書き込めません: %2</translation>
    </message>
    <message>
        <source>The folder %1 cannot be opened.</source>
        <translation>フォルダー %1 を開けません。</translation>
    </message>
    <message>
        <source>Winner</source>
        <translation>勝者</translation>
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
    <message>
        <source>GOLDEN SCORE</source>
        <translation>ゴールデンスコア</translation>
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
