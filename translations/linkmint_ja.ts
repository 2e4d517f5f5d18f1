<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
<context>
    <name>lm::CheckTexts</name>
    <message>
        <source>Error: The check stopped: %1.</source>
        <translation>エラー: 検証が停止しました: %1。</translation>
    </message>
    <message>
        <source>size</source>
        <translation>サイズ</translation>
    </message>
    <message>
        <source>ed2k hash</source>
        <translation>ed2k ハッシュ</translation>
    </message>
    <message>
        <source>part hashes</source>
        <translation>パートハッシュ</translation>
    </message>
    <message>
        <source>AICH hash</source>
        <translation>AICH ハッシュ</translation>
    </message>
    <message>
        <source>cannot be opened</source>
        <translation>開けません</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>通常のファイルではありません</translation>
    </message>
    <message>
        <source>larger than a list can be</source>
        <translation>リストとしては大きすぎます</translation>
    </message>
    <message>
        <source>read error: %1</source>
        <translation>読み込みエラー: %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>FAILED</source>
        <translation>失敗</translation>
    </message>
    <message>
        <source>MISSING</source>
        <translation>見つかりません</translation>
    </message>
    <message>
        <source>NOT CHECKED</source>
        <translation>未検証</translation>
    </message>
    <message>
        <source>%1 differs</source>
        <translation>%1 が一致しません</translation>
    </message>
    <message>
        <source>%1 differ</source>
        <comment>several things, separated by commas</comment>
        <translation>%1 が一致しません</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between the things that differ</comment>
        <translation>、</translation>
    </message>
    <message>
        <source>%1 OK, %2 FAILED, %3 MISSING</source>
        <translation>OK %1 件、失敗 %2 件、見つかりません %3 件</translation>
    </message>
    <message>
        <source>1 entry: %1</source>
        <translation>1 項目: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n entries: %1</source>
        <translation>
            <numerusform>%n 項目: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>, %1 NOT CHECKED</source>
        <translation>、未検証 %1 件</translation>
    </message>
    <message>
        <source>Error: Unable to read list &quot;%1&quot;: %2.</source>
        <translation>エラー: リスト「%1」を読み込めません: %2。</translation>
    </message>
    <message>
        <source>Error: The list &quot;%1&quot; holds nothing to check.</source>
        <translation>エラー: リスト「%1」には検証する項目がありません。</translation>
    </message>
    <message>
        <source>Warning: %1, line %2: not a line of a known list format.</source>
        <translation>警告: %1、%2 行目: 既知のリスト形式の行ではありません。</translation>
    </message>
    <message>
        <source>Note: %1: 1 line skipped, for digests that are not checked (%2).</source>
        <translation>注意: %1: 検査しない種類のダイジェストの行を 1 行スキップしました (%2)。</translation>
    </message>
    <message numerus="yes">
        <source>Note: %1: %n lines skipped, for digests that are not checked (%2).</source>
        <translation>
            <numerusform>注意: %1: 検査しない種類のダイジェストの行を %n 行スキップしました (%2)。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>lm::FreedesktopIntegration</name>
    <message>
        <source>ed2k Link Maker</source>
        <translation>ed2k リンク作成ツール</translation>
    </message>
    <message>
        <source>Make ed2k links of files and folders</source>
        <translation>ファイルやフォルダーの ed2k リンクを作成します</translation>
    </message>
    <message>
        <source>Open with Linkmint</source>
        <translation>Linkmint で開く</translation>
    </message>
    <message>
        <source>Make ed2k links of the selected files and folders</source>
        <translation>選択したファイルやフォルダーの ed2k リンクを作成します</translation>
    </message>
    <message>
        <source>Error: %1 already exists and was not made by Linkmint; it was left as it is.</source>
        <translation>エラー: %1 は既に存在し、Linkmint が作成したものではないため、そのままにしました。</translation>
    </message>
    <message>
        <source>Error: Could not create the folder %1.</source>
        <translation>エラー: フォルダー %1 を作成できませんでした。</translation>
    </message>
    <message>
        <source>Error: Could not write %1.</source>
        <translation>エラー: %1 に書き込めませんでした。</translation>
    </message>
    <message>
        <source>Error: The program&apos;s path holds a control character and cannot be put into a menu entry.</source>
        <translation>エラー: プログラムのパスに制御文字が含まれているため、メニュー項目に登録できません。</translation>
    </message>
    <message>
        <source>Error: Could not remove %1.</source>
        <translation>エラー: %1 を削除できませんでした。</translation>
    </message>
</context>
<context>
    <name>lm::HashingWorker</name>
    <message>
        <source>%1%; %2 to go - Linkmint</source>
        <comment>the title while hashing: percent of the file, files left</comment>
        <translation>%1%、残り %2 - Linkmint</translation>
    </message>
    <message>
        <source>Paused: 1 file remaining</source>
        <translation>一時停止中: 残り 1 ファイル</translation>
    </message>
    <message>
        <source>Working: 1 file remaining</source>
        <translation>処理中: 残り 1 ファイル</translation>
    </message>
    <message numerus="yes">
        <source>Paused: %n files remaining</source>
        <translation>
            <numerusform>一時停止中: 残り %n ファイル</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Working: %n files remaining</source>
        <translation>
            <numerusform>処理中: 残り %n ファイル</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file</source>
        <translation>1 ファイル</translation>
    </message>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>%n ファイル</numerusform>
        </translation>
    </message>
    <message>
        <source>Idle: click here to add files</source>
        <translation>待機中: ここをクリックしてファイルを追加</translation>
    </message>
    <message>
        <source>Linkmint (idle)</source>
        <translation>Linkmint (待機中)</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>再開</translation>
    </message>
    <message>
        <source>Error: Unable to open file &quot;%1&quot;.</source>
        <translation>エラー: ファイル「%1」を開けません。</translation>
    </message>
    <message>
        <source>Resume (F12)</source>
        <translation>再開 (F12)</translation>
    </message>
    <message>
        <source>Pause (F12)</source>
        <translation>一時停止 (F12)</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>一時停止</translation>
    </message>
    <message>
        <source>Error: File processing thread died.  Click the Resume button to try continuing.</source>
        <translation>エラー: ファイル処理スレッドが異常終了しました。続行するには [再開] ボタンをクリックしてください。</translation>
    </message>
</context>
<context>
    <name>lm::TAddFilesDialog</name>
    <message>
        <source>Add Files</source>
        <translation>ファイルを追加</translation>
    </message>
</context>
<context>
    <name>lm::TFileListModel</name>
    <message>
        <source>No CRC found in filename.</source>
        <translation>ファイル名に CRC はありません。</translation>
    </message>
    <message>
        <source>Found correct CRC in filename.</source>
        <translation>ファイル名の CRC は正しいです。</translation>
    </message>
    <message>
        <source>No hash generated for this file yet.</source>
        <translation>このファイルのハッシュはまだ計算されていません。</translation>
    </message>
    <message>
        <source>Found possible CRC in filename but it doesn&apos;t match.</source>
        <translation>ファイル名に CRC らしきものがありますが、一致しません。</translation>
    </message>
</context>
<context>
    <name>lm::TMask</name>
    <message>
        <source>&apos;%1&apos; is an invalid mask at (%2)</source>
        <translation>「%1」は位置 (%2) で無効なマスクです</translation>
    </message>
</context>
<context>
    <name>lm::TOverallProgress</name>
    <message>
        <source>%1 MB of %2 MB</source>
        <comment>megabytes read of all</comment>
        <translation>%1 MB / %2 MB</translation>
    </message>
    <message>
        <source>%1, %2 MB/s, %3 left</source>
        <comment>megabytes read of all, the speed, the time left</comment>
        <translation>%1、%2 MB/s、残り %3</translation>
    </message>
</context>
<context>
    <name>lm::TSavDlg</name>
    <message>
        <source>Save As</source>
        <translation>名前を付けて保存</translation>
    </message>
    <message>
        <source>ED2K Links (*.ed2k)</source>
        <translation>ED2K リンク (*.ed2k)</translation>
    </message>
    <message>
        <source>Text Files (*.txt)</source>
        <translation>テキストファイル (*.txt)</translation>
    </message>
    <message>
        <source>All files (*.*)</source>
        <translation>すべてのファイル (*.*)</translation>
    </message>
    <message>
        <source>Error: The folder &quot;%1&quot; does not exist.</source>
        <translation>エラー: フォルダー「%1」は存在しません。</translation>
    </message>
</context>
<context>
    <name>lm::TStatBar</name>
    <message>
        <source>%1, %2%</source>
        <comment>the file being read and how far it has got</comment>
        <translation>%1、%2%</translation>
    </message>
</context>
<context>
    <name>lm::TeD2KfrmMain</name>
    <message>
        <source>it is not a regular file</source>
        <comment>why a save failed: Error: Could not save &quot;%1&quot;: &lt;this&gt;</comment>
        <translation>通常のファイルではありません</translation>
    </message>
    <message>
        <source>Error: </source>
        <comment>the start of every error message; each one that begins so in English begins with this translation</comment>
        <translation>エラー: </translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>編集(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Add Files</source>
        <translation>ファイルを追加(&amp;A)</translation>
    </message>
    <message>
        <source>Add &amp;Directory</source>
        <translation>フォルダーを追加(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Check Files Against List...</source>
        <translation>リストでファイルを検証(&amp;C)…</translation>
    </message>
    <message>
        <source>&amp;Save ED2K Link File</source>
        <translation>ED2K リンクファイルを保存(&amp;S)</translation>
    </message>
    <message>
        <source>Save All &amp;Information</source>
        <translation>すべての情報を保存(&amp;I)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>終了(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Copy All to Clipboard</source>
        <translation>すべてをクリップボードにコピー(&amp;C)</translation>
    </message>
    <message>
        <source>Copy All as &amp;Magnet Links</source>
        <translation>すべてをマグネットリンクとしてコピー(&amp;M)</translation>
    </message>
    <message>
        <source>Copy &amp;Selected to Clipboard</source>
        <translation>選択項目をクリップボードにコピー(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Remove All from List</source>
        <translation>すべてをリストから削除(&amp;R)</translation>
    </message>
    <message>
        <source>Remove Se&amp;lected from List</source>
        <translation>選択項目をリストから削除(&amp;L)</translation>
    </message>
    <message>
        <source>S&amp;ort List</source>
        <translation>リストを並べ替え(&amp;O)</translation>
    </message>
    <message>
        <source>Prefere&amp;nces</source>
        <translation>設定(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>一時停止(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Resume</source>
        <translation>再開(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>バージョン情報(&amp;A)</translation>
    </message>
    <message>
        <source>Copy Selected as Ma&amp;gnet Links</source>
        <translation>選択項目をマグネットリンクとしてコピー(&amp;G)</translation>
    </message>
    <message>
        <source>Add Files (F2)</source>
        <translation>ファイルを追加 (F2)</translation>
    </message>
    <message>
        <source>Add Directory (F3)</source>
        <translation>フォルダーを追加 (F3)</translation>
    </message>
    <message>
        <source>Save Links (F4)</source>
        <translation>リンクを保存 (F4)</translation>
    </message>
    <message>
        <source>Exit (Ctrl+Q)</source>
        <translation>終了 (Ctrl+Q)</translation>
    </message>
    <message>
        <source>Copy All to Clipboard (F6)</source>
        <translation>すべてをクリップボードにコピー (F6)</translation>
    </message>
    <message>
        <source>Copy Selected to Clipboard (F7)</source>
        <translation>選択項目をクリップボードにコピー (F7)</translation>
    </message>
    <message>
        <source>Remove All (F8)</source>
        <translation>すべて削除 (F8)</translation>
    </message>
    <message>
        <source>Remove Selected (F9)</source>
        <translation>選択項目を削除 (F9)</translation>
    </message>
    <message>
        <source>Sort (F10)</source>
        <translation>並べ替え (F10)</translation>
    </message>
    <message>
        <source>Pause (F12)</source>
        <translation>一時停止 (F12)</translation>
    </message>
    <message>
        <source>Exit when done</source>
        <translation>完了後に終了</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>お待ちください…</translation>
    </message>
    <message>
        <source>Error: Could not save &quot;%1&quot;: %2</source>
        <translation>エラー: 「%1」を保存できませんでした: %2</translation>
    </message>
    <message>
        <source>Error: Could not put the links on the clipboard.</source>
        <translation>エラー: リンクをクリップボードに置けませんでした。</translation>
    </message>
    <message>
        <source>Error: Could not find file &quot;%1&quot;</source>
        <translation>エラー: ファイル「%1」が見つかりません</translation>
    </message>
    <message>
        <source>Check Files Against List</source>
        <translation>リストでファイルを検証</translation>
    </message>
</context>
<context>
    <name>lm::TfrmAbout</name>
    <message>
        <source>About Linkmint</source>
        <translation>Linkmint について</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>OK(&amp;O)</translation>
    </message>
    <message>
        <source>Minted with care by the Linkmint developers.</source>
        <translation>Linkmint 開発者が心を込めて鋳造しました。</translation>
    </message>
</context>
<context>
    <name>lm::TfrmCheckFiles</name>
    <message>
        <source>Lists (*.ed2k *.txt *.sfv *.md5 *.sha1 MD5SUMS SHA1SUMS)</source>
        <translation>リスト (*.ed2k *.txt *.sfv *.md5 *.sha1 MD5SUMS SHA1SUMS)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>すべてのファイル (*)</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>結果</translation>
    </message>
    <message>
        <source>What differed</source>
        <translation>相違点</translation>
    </message>
    <message>
        <source>%1
%2, line %3</source>
        <comment>the file; the list, the line</comment>
        <translation>%1
%2、%3 行目</translation>
    </message>
    <message>
        <source>Check Files Against List</source>
        <translation>リストでファイルを検証</translation>
    </message>
    <message>
        <source>%v of %m files</source>
        <comment>the progress bar&apos;s own %v (done) and %m (all)</comment>
        <translation>%v / %m ファイル</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>キャンセルしています…</translation>
    </message>
    <message>
        <source>List: %1</source>
        <translation>リスト: %1</translation>
    </message>
    <message>
        <source>Lists: %1</source>
        <translation>リスト: %1</translation>
    </message>
    <message>
        <source>Reading the list...</source>
        <translation>リストを読み込んでいます…</translation>
    </message>
    <message>
        <source>Reading the lists...</source>
        <translation>リストを読み込んでいます…</translation>
    </message>
    <message>
        <source>Looking for the files...</source>
        <translation>ファイルを探しています…</translation>
    </message>
    <message>
        <source>File %1 of %2: %3</source>
        <translation>ファイル %1 / %2: %3</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>キャンセルしました。</translation>
    </message>
    <message>
        <source>Nothing to check.</source>
        <translation>検証する項目がありません。</translation>
    </message>
</context>
<context>
    <name>lm::TfrmPrefs</name>
    <message>
        <source>Preferences</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>File type name</source>
        <translation>ファイルの種類</translation>
    </message>
    <message>
        <source>File mask</source>
        <translation>ファイルマスク</translation>
    </message>
    <message>
        <source>Error: Default Directory path does not exist.<byte value="xd"/>
Please choose a real directory or leave it blank.</source>
        <translation>エラー: 既定のフォルダーのパスが存在しません。<byte value="xd"/>
存在するフォルダーを選ぶか、空欄のままにしてください。</translation>
    </message>
    <message>
        <source>Select Directory</source>
        <translation>フォルダーを選択</translation>
    </message>
    <message>
        <source>Default file types shown when selecting files or using drag and drop</source>
        <translation>ファイルの選択やドラッグ＆ドロップで使う既定のファイルの種類</translation>
    </message>
    <message>
        <source>Note: Some system sounds may not be assigned on your computer</source>
        <translation>注意: お使いのコンピューターでは一部のシステム音が割り当てられていない場合があります</translation>
    </message>
    <message>
        <source>none</source>
        <comment>alert sound</comment>
        <translation>なし</translation>
    </message>
    <message>
        <source>OK</source>
        <comment>alert sound</comment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Hand</source>
        <comment>alert sound</comment>
        <translation>停止</translation>
    </message>
    <message>
        <source>Question</source>
        <comment>alert sound</comment>
        <translation>問い合わせ</translation>
    </message>
    <message>
        <source>Exclamation</source>
        <comment>alert sound</comment>
        <translation>警告</translation>
    </message>
    <message>
        <source>Asterisk</source>
        <comment>alert sound</comment>
        <translation>情報</translation>
    </message>
    <message>
        <source>Beep</source>
        <comment>alert sound</comment>
        <translation>ビープ音</translation>
    </message>
    <message>
        <source>Play Sound</source>
        <translation>サウンドを再生</translation>
    </message>
    <message>
        <source>Add Custom Sound</source>
        <translation>カスタムサウンドを追加</translation>
    </message>
    <message>
        <source>Idle</source>
        <comment>thread priority</comment>
        <translation>アイドル</translation>
    </message>
    <message>
        <source>Lowest</source>
        <comment>thread priority</comment>
        <translation>最低</translation>
    </message>
    <message>
        <source>Lower</source>
        <comment>thread priority</comment>
        <translation>低</translation>
    </message>
    <message>
        <source>Normal</source>
        <comment>thread priority</comment>
        <translation>通常</translation>
    </message>
    <message>
        <source>Higher</source>
        <comment>thread priority</comment>
        <translation>高</translation>
    </message>
    <message>
        <source>Hash thread priority (recommended: Lower or Normal)</source>
        <translation>ハッシュ計算スレッドの優先度 (推奨: 低 または 通常)</translation>
    </message>
    <message>
        <source>Add File Type</source>
        <translation>種類を追加</translation>
    </message>
    <message>
        <source>Add new file type to file types list</source>
        <translation>ファイルの種類の一覧に新しい種類を追加します</translation>
    </message>
    <message>
        <source>Del File Type</source>
        <translation>種類を削除</translation>
    </message>
    <message>
        <source>Selete currently selected file type</source>
        <comment>&quot;Selete&quot;: a slip for &quot;Delete&quot;</comment>
        <translation>選択中のファイルの種類を削除します</translation>
    </message>
    <message>
        <source>Strip File Paths</source>
        <translation>ファイルパスを除く</translation>
    </message>
    <message>
        <source>Strip file path from ED2K links</source>
        <translation>ED2K リンクからファイルのパスを除きます</translation>
    </message>
    <message>
        <source>Show File Info Window</source>
        <translation>ファイル情報を表示</translation>
    </message>
    <message>
        <source>Show other hashes for files in separate window</source>
        <translation>ファイルのその他のハッシュを別の欄に表示します</translation>
    </message>
    <message>
        <source>Lowercase Hash Strings</source>
        <translation>ハッシュを小文字にする</translation>
    </message>
    <message>
        <source>Controls if letters in hex strings are in upper or lower case</source>
        <translation>16 進文字列の英字を大文字にするか小文字にするかを決めます</translation>
    </message>
    <message>
        <source>Minimize to System Tray</source>
        <translation>システムトレイに最小化</translation>
    </message>
    <message>
        <source>Minimizing program sends it to the system tray</source>
        <translation>最小化するとプログラムをシステムトレイに入れます</translation>
    </message>
    <message>
        <source>Include Trailing Slash</source>
        <translation>末尾にスラッシュを付ける</translation>
    </message>
    <message>
        <source>Adds a trailing slash to ED2K links (not usually required)</source>
        <translation>ED2K リンクの末尾にスラッシュを付けます (通常は不要)</translation>
    </message>
    <message>
        <source>Run From Explorer</source>
        <translation>ファイルマネージャーから実行</translation>
    </message>
    <message>
        <source>Adds Linkmint to pop-up when right-clicking on files</source>
        <translation>ファイルの右クリックメニューに Linkmint を追加します</translation>
    </message>
    <message>
        <source>Use *.* For Drag &amp;&amp; Drop</source>
        <translation>ドラッグ＆ドロップに *.* を使う</translation>
    </message>
    <message>
        <source>Use *.* for directories dropped on form instead of Default File Type mask</source>
        <translation>ウィンドウにドロップしたフォルダーには既定のファイルの種類のマスクではなく *.* を使います</translation>
    </message>
    <message>
        <source>Sort Added Files</source>
        <translation>追加したファイルを並べ替える</translation>
    </message>
    <message>
        <source>Adds files to list in sorted positions</source>
        <translation>ファイルを並べ替えた位置で一覧に追加します</translation>
    </message>
    <message>
        <source>Preselect Added Files</source>
        <translation>追加したファイルを選択する</translation>
    </message>
    <message>
        <source>Adds new files as selected</source>
        <translation>新しいファイルを選択した状態で追加します</translation>
    </message>
    <message>
        <source>Keep Files On Exit</source>
        <translation>終了時にファイルを保持</translation>
    </message>
    <message>
        <source>Add AICH hash</source>
        <translation>AICH ハッシュを付ける</translation>
    </message>
    <message>
        <source>Adds the AICH root hash (h=) to ED2K links, with which clients repair damaged parts</source>
        <translation>ED2K リンクに AICH ルートハッシュ (h=) を付けます。クライアントはこれで壊れたパートを修復します</translation>
    </message>
    <message>
        <source>Add part hashes</source>
        <translation>パートハッシュを付ける</translation>
    </message>
    <message>
        <source>Adds the part hashes (p=) to ED2K links of files larger than one part</source>
        <translation>1 パートより大きいファイルの ED2K リンクにパートハッシュ (p=) を付けます</translation>
    </message>
    <message>
        <source>Show Overall Progress</source>
        <translation>全体の進行状況を表示</translation>
    </message>
    <message>
        <source>Shows, while hashing, how many MB of all files are read, the speed and the time left, in the status bar and the tray icon&apos;s tip</source>
        <translation>ハッシュ計算中に、全ファイルのうち読み込んだ MB 数、速度、残り時間をステータスバーとトレイアイコンのヒントに表示します</translation>
    </message>
    <message>
        <source>Go to Idle Mode (default)</source>
        <translation>待機状態に戻る (既定)</translation>
    </message>
    <message>
        <source>Copy to Clipboard</source>
        <translation>クリップボードにコピー</translation>
    </message>
    <message>
        <source>Copy Selected to Clipboard</source>
        <translation>選択項目をクリップボードにコピー</translation>
    </message>
    <message>
        <source>Copy to Clipboard &amp;&amp; Exit</source>
        <translation>クリップボードにコピーして終了</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Default Directory: (leave blank to start on last used directory)</source>
        <translation>既定のフォルダー: (空欄にすると最後に使ったフォルダーから始めます)</translation>
    </message>
    <message>
        <source>Default File Type:</source>
        <translation>既定のファイルの種類:</translation>
    </message>
    <message>
        <source>Completion Alert Sound:</source>
        <translation>完了時の通知音:</translation>
    </message>
    <message>
        <source>Thread Priority:</source>
        <translation>スレッドの優先度:</translation>
    </message>
    <message>
        <source>File Types:</source>
        <translation>ファイルの種類:</translation>
    </message>
    <message>
        <source>Other Options:</source>
        <translation>その他のオプション:</translation>
    </message>
    <message>
        <source>When All Files Are Read:</source>
        <translation>すべてのファイルを読み終えたら:</translation>
    </message>
    <message>
        <source>Select Default Directory</source>
        <translation>既定のフォルダーを選択</translation>
    </message>
    <message>
        <source>Wave files (*.wav)</source>
        <translation>Wave ファイル (*.wav)</translation>
    </message>
    <message>
        <source>MIDI files (*.mid)</source>
        <translation>MIDI ファイル (*.mid)</translation>
    </message>
</context>
<context>
    <name>lm::TfrmSelDir</name>
    <message>
        <source>Select Directory</source>
        <translation>フォルダーを選択</translation>
    </message>
    <message>
        <source>Number of files: ?</source>
        <translation>ファイル数: ?</translation>
    </message>
    <message>
        <source>File Types:</source>
        <translation>ファイルの種類:</translation>
    </message>
    <message>
        <source>Count Files</source>
        <translation>ファイルを数える</translation>
    </message>
    <message>
        <source>Recurse all subdirectories</source>
        <translation>すべてのサブフォルダーを含める</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>自動</translation>
    </message>
    <message>
        <source>Automatically Count Files</source>
        <translation>ファイルを自動的に数える</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Open Directory</source>
        <translation>フォルダーを開く</translation>
    </message>
    <message>
        <source>Number of files: %1</source>
        <translation>ファイル数: %1</translation>
    </message>
</context>
</TS>
