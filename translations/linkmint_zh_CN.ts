<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>lm::CheckTexts</name>
    <message>
        <source>Error: The check stopped: %1.</source>
        <translation>错误：校验已停止：%1。</translation>
    </message>
    <message>
        <source>size</source>
        <translation>大小</translation>
    </message>
    <message>
        <source>ed2k hash</source>
        <translation>ed2k 哈希</translation>
    </message>
    <message>
        <source>part hashes</source>
        <translation>分块哈希</translation>
    </message>
    <message>
        <source>AICH hash</source>
        <translation>AICH 哈希</translation>
    </message>
    <message>
        <source>cannot be opened</source>
        <translation>无法打开</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>不是普通文件</translation>
    </message>
    <message>
        <source>larger than a list can be</source>
        <translation>超出列表所能容纳的大小</translation>
    </message>
    <message>
        <source>read error: %1</source>
        <translation>读取错误：%1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>正确</translation>
    </message>
    <message>
        <source>FAILED</source>
        <translation>失败</translation>
    </message>
    <message>
        <source>MISSING</source>
        <translation>缺失</translation>
    </message>
    <message>
        <source>NOT CHECKED</source>
        <translation>未校验</translation>
    </message>
    <message>
        <source>%1 differs</source>
        <translation>%1 不一致</translation>
    </message>
    <message>
        <source>%1 differ</source>
        <comment>several things, separated by commas</comment>
        <translation>%1 不一致</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between the things that differ</comment>
        <translation>、</translation>
    </message>
    <message>
        <source>%1 OK, %2 FAILED, %3 MISSING</source>
        <translation>%1 个正确，%2 个失败，%3 个缺失</translation>
    </message>
    <message>
        <source>1 entry: %1</source>
        <translation>1 个条目：%1</translation>
    </message>
    <message numerus="yes">
        <source>%n entries: %1</source>
        <translation>
            <numerusform>%n 个条目：%1</numerusform>
        </translation>
    </message>
    <message>
        <source>, %1 NOT CHECKED</source>
        <translation>，%1 个未校验</translation>
    </message>
    <message>
        <source>Error: Unable to read list &quot;%1&quot;: %2.</source>
        <translation>错误：无法读取列表“%1”：%2。</translation>
    </message>
    <message>
        <source>Error: The list &quot;%1&quot; holds nothing to check.</source>
        <translation>错误：列表“%1”中没有可校验的内容。</translation>
    </message>
    <message>
        <source>Warning: %1, line %2: not a line of a known list format.</source>
        <translation>警告：%1，第 %2 行：不属于任何已知的列表格式。</translation>
    </message>
    <message>
        <source>Note: %1: 1 line skipped, for digests that are not checked (%2).</source>
        <translation>注意：%1：跳过了 1 行，其摘要类型不受检查（%2）。</translation>
    </message>
    <message numerus="yes">
        <source>Note: %1: %n lines skipped, for digests that are not checked (%2).</source>
        <translation>
            <numerusform>注意：%1：跳过了 %n 行，其摘要类型不受检查（%2）。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>lm::FreedesktopIntegration</name>
    <message>
        <source>ed2k Link Maker</source>
        <translation>ed2k 链接生成器</translation>
    </message>
    <message>
        <source>Make ed2k links of files and folders</source>
        <translation>为文件和文件夹生成 ed2k 链接</translation>
    </message>
    <message>
        <source>Open with Linkmint</source>
        <translation>用 Linkmint 打开</translation>
    </message>
    <message>
        <source>Make ed2k links of the selected files and folders</source>
        <translation>为选中的文件和文件夹生成 ed2k 链接</translation>
    </message>
    <message>
        <source>Error: %1 already exists and was not made by Linkmint; it was left as it is.</source>
        <translation>错误：%1 已存在且并非由 Linkmint 创建，已保持原样。</translation>
    </message>
    <message>
        <source>Error: Could not create the folder %1.</source>
        <translation>错误：无法创建文件夹 %1。</translation>
    </message>
    <message>
        <source>Error: Could not write %1.</source>
        <translation>错误：无法写入 %1。</translation>
    </message>
    <message>
        <source>Error: The program&apos;s path holds a control character and cannot be put into a menu entry.</source>
        <translation>错误：程序路径中含有控制字符，无法写入菜单项。</translation>
    </message>
    <message>
        <source>Error: Could not remove %1.</source>
        <translation>错误：无法删除 %1。</translation>
    </message>
</context>
<context>
    <name>lm::HashingWorker</name>
    <message>
        <source>%1%; %2 to go - Linkmint</source>
        <comment>the title while hashing: percent of the file, files left</comment>
        <translation>%1%；剩余 %2 - Linkmint</translation>
    </message>
    <message>
        <source>Paused: 1 file remaining</source>
        <translation>已暂停：剩余 1 个文件</translation>
    </message>
    <message>
        <source>Working: 1 file remaining</source>
        <translation>处理中：剩余 1 个文件</translation>
    </message>
    <message numerus="yes">
        <source>Paused: %n files remaining</source>
        <translation>
            <numerusform>已暂停：剩余 %n 个文件</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Working: %n files remaining</source>
        <translation>
            <numerusform>处理中：剩余 %n 个文件</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file</source>
        <translation>1 个文件</translation>
    </message>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>%n 个文件</numerusform>
        </translation>
    </message>
    <message>
        <source>Idle: click here to add files</source>
        <translation>空闲：单击此处添加文件</translation>
    </message>
    <message>
        <source>Linkmint (idle)</source>
        <translation>Linkmint（空闲）</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>继续</translation>
    </message>
    <message>
        <source>Error: Unable to open file &quot;%1&quot;.</source>
        <translation>错误：无法打开文件“%1”。</translation>
    </message>
    <message>
        <source>Resume (F12)</source>
        <translation>继续 (F12)</translation>
    </message>
    <message>
        <source>Pause (F12)</source>
        <translation>暂停 (F12)</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暂停</translation>
    </message>
    <message>
        <source>Error: File processing thread died.  Click the Resume button to try continuing.</source>
        <translation>错误：文件处理线程意外终止。请单击“继续”按钮尝试继续。</translation>
    </message>
</context>
<context>
    <name>lm::TAddFilesDialog</name>
    <message>
        <source>Add Files</source>
        <translation>添加文件</translation>
    </message>
</context>
<context>
    <name>lm::TFileListModel</name>
    <message>
        <source>No CRC found in filename.</source>
        <translation>文件名中没有 CRC。</translation>
    </message>
    <message>
        <source>Found correct CRC in filename.</source>
        <translation>文件名中的 CRC 正确。</translation>
    </message>
    <message>
        <source>No hash generated for this file yet.</source>
        <translation>尚未为此文件生成哈希。</translation>
    </message>
    <message>
        <source>Found possible CRC in filename but it doesn&apos;t match.</source>
        <translation>文件名中可能含有 CRC，但与文件不符。</translation>
    </message>
</context>
<context>
    <name>lm::TMask</name>
    <message>
        <source>&apos;%1&apos; is an invalid mask at (%2)</source>
        <translation>“%1”在位置 (%2) 处是无效的掩码</translation>
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
        <translation>%1，%2 MB/s，剩余 %3</translation>
    </message>
</context>
<context>
    <name>lm::TSavDlg</name>
    <message>
        <source>Save As</source>
        <translation>另存为</translation>
    </message>
    <message>
        <source>ED2K Links (*.ed2k)</source>
        <translation>ED2K 链接 (*.ed2k)</translation>
    </message>
    <message>
        <source>Text Files (*.txt)</source>
        <translation>文本文件 (*.txt)</translation>
    </message>
    <message>
        <source>All files (*.*)</source>
        <translation>所有文件 (*.*)</translation>
    </message>
    <message>
        <source>Error: The folder &quot;%1&quot; does not exist.</source>
        <translation>错误：文件夹“%1”不存在。</translation>
    </message>
</context>
<context>
    <name>lm::TStatBar</name>
    <message>
        <source>%1, %2%</source>
        <comment>the file being read and how far it has got</comment>
        <translation>%1，%2%</translation>
    </message>
</context>
<context>
    <name>lm::TeD2KfrmMain</name>
    <message>
        <source>it is not a regular file</source>
        <comment>why a save failed: Error: Could not save &quot;%1&quot;: &lt;this&gt;</comment>
        <translation>它不是普通文件</translation>
    </message>
    <message>
        <source>Error: </source>
        <comment>the start of every error message; each one that begins so in English begins with this translation</comment>
        <translation>错误：</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>编辑(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Add Files</source>
        <translation>添加文件(&amp;A)</translation>
    </message>
    <message>
        <source>Add &amp;Directory</source>
        <translation>添加文件夹(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Check Files Against List...</source>
        <translation>按列表校验文件(&amp;C)…</translation>
    </message>
    <message>
        <source>&amp;Save ED2K Link File</source>
        <translation>保存 ED2K 链接文件(&amp;S)</translation>
    </message>
    <message>
        <source>Save All &amp;Information</source>
        <translation>保存全部信息(&amp;I)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Copy All to Clipboard</source>
        <translation>全部复制到剪贴板(&amp;C)</translation>
    </message>
    <message>
        <source>Copy All as &amp;Magnet Links</source>
        <translation>全部复制为磁力链接(&amp;M)</translation>
    </message>
    <message>
        <source>Copy &amp;Selected to Clipboard</source>
        <translation>复制所选项到剪贴板(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Remove All from List</source>
        <translation>从列表中移除全部(&amp;R)</translation>
    </message>
    <message>
        <source>Remove Se&amp;lected from List</source>
        <translation>从列表中移除所选项(&amp;L)</translation>
    </message>
    <message>
        <source>S&amp;ort List</source>
        <translation>排序列表(&amp;O)</translation>
    </message>
    <message>
        <source>Prefere&amp;nces</source>
        <translation>首选项(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>暂停(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Resume</source>
        <translation>继续(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>关于(&amp;A)</translation>
    </message>
    <message>
        <source>Copy Selected as Ma&amp;gnet Links</source>
        <translation>将所选项复制为磁力链接(&amp;G)</translation>
    </message>
    <message>
        <source>Add Files (F2)</source>
        <translation>添加文件 (F2)</translation>
    </message>
    <message>
        <source>Add Directory (F3)</source>
        <translation>添加文件夹 (F3)</translation>
    </message>
    <message>
        <source>Save Links (F4)</source>
        <translation>保存链接 (F4)</translation>
    </message>
    <message>
        <source>Exit (Ctrl+Q)</source>
        <translation>退出 (Ctrl+Q)</translation>
    </message>
    <message>
        <source>Copy All to Clipboard (F6)</source>
        <translation>全部复制到剪贴板 (F6)</translation>
    </message>
    <message>
        <source>Copy Selected to Clipboard (F7)</source>
        <translation>复制所选项到剪贴板 (F7)</translation>
    </message>
    <message>
        <source>Remove All (F8)</source>
        <translation>移除全部 (F8)</translation>
    </message>
    <message>
        <source>Remove Selected (F9)</source>
        <translation>移除所选项 (F9)</translation>
    </message>
    <message>
        <source>Sort (F10)</source>
        <translation>排序 (F10)</translation>
    </message>
    <message>
        <source>Pause (F12)</source>
        <translation>暂停 (F12)</translation>
    </message>
    <message>
        <source>Exit when done</source>
        <translation>完成后退出</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>请稍候…</translation>
    </message>
    <message>
        <source>Error: Could not save &quot;%1&quot;: %2</source>
        <translation>错误：无法保存“%1”：%2</translation>
    </message>
    <message>
        <source>Error: Could not put the links on the clipboard.</source>
        <translation>错误：无法将链接放到剪贴板上。</translation>
    </message>
    <message>
        <source>Error: Could not find file &quot;%1&quot;</source>
        <translation>错误：找不到文件“%1”</translation>
    </message>
    <message>
        <source>Check Files Against List</source>
        <translation>按列表校验文件</translation>
    </message>
</context>
<context>
    <name>lm::TfrmAbout</name>
    <message>
        <source>About Linkmint</source>
        <translation>关于 Linkmint</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>确定(&amp;O)</translation>
    </message>
    <message>
        <source>Minted with care by the Linkmint developers.</source>
        <translation>由 Linkmint 开发者用心铸造。</translation>
    </message>
</context>
<context>
    <name>lm::TfrmCheckFiles</name>
    <message>
        <source>Lists (*.ed2k *.txt *.sfv *.md5 *.sha1 MD5SUMS SHA1SUMS)</source>
        <translation>列表 (*.ed2k *.txt *.sfv *.md5 *.sha1 MD5SUMS SHA1SUMS)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>所有文件 (*)</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>结果</translation>
    </message>
    <message>
        <source>What differed</source>
        <translation>不一致之处</translation>
    </message>
    <message>
        <source>%1
%2, line %3</source>
        <comment>the file; the list, the line</comment>
        <translation>%1
%2，第 %3 行</translation>
    </message>
    <message>
        <source>Check Files Against List</source>
        <translation>按列表校验文件</translation>
    </message>
    <message>
        <source>%v of %m files</source>
        <comment>the progress bar&apos;s own %v (done) and %m (all)</comment>
        <translation>%v / %m 个文件</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>正在取消…</translation>
    </message>
    <message>
        <source>List: %1</source>
        <translation>列表：%1</translation>
    </message>
    <message>
        <source>Lists: %1</source>
        <translation>列表：%1</translation>
    </message>
    <message>
        <source>Reading the list...</source>
        <translation>正在读取列表…</translation>
    </message>
    <message>
        <source>Reading the lists...</source>
        <translation>正在读取列表…</translation>
    </message>
    <message>
        <source>Looking for the files...</source>
        <translation>正在查找文件…</translation>
    </message>
    <message>
        <source>File %1 of %2: %3</source>
        <translation>第 %1 个文件，共 %2 个：%3</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>已取消。</translation>
    </message>
    <message>
        <source>Nothing to check.</source>
        <translation>没有可校验的内容。</translation>
    </message>
</context>
<context>
    <name>lm::TfrmPrefs</name>
    <message>
        <source>Preferences</source>
        <translation>首选项</translation>
    </message>
    <message>
        <source>File type name</source>
        <translation>文件类型名称</translation>
    </message>
    <message>
        <source>File mask</source>
        <translation>文件掩码</translation>
    </message>
    <message>
        <source>Error: Default Directory path does not exist.<byte value="xd"/>
Please choose a real directory or leave it blank.</source>
        <translation>错误：默认文件夹的路径不存在。<byte value="xd"/>
请选择一个存在的文件夹，或将其留空。</translation>
    </message>
    <message>
        <source>Select Directory</source>
        <translation>选择文件夹</translation>
    </message>
    <message>
        <source>Default file types shown when selecting files or using drag and drop</source>
        <translation>选择文件或拖放时使用的默认文件类型</translation>
    </message>
    <message>
        <source>Note: Some system sounds may not be assigned on your computer</source>
        <translation>注意：您的计算机上可能未设置某些系统声音</translation>
    </message>
    <message>
        <source>none</source>
        <comment>alert sound</comment>
        <translation>无</translation>
    </message>
    <message>
        <source>OK</source>
        <comment>alert sound</comment>
        <translation>确定</translation>
    </message>
    <message>
        <source>Hand</source>
        <comment>alert sound</comment>
        <translation>停止</translation>
    </message>
    <message>
        <source>Question</source>
        <comment>alert sound</comment>
        <translation>问题</translation>
    </message>
    <message>
        <source>Exclamation</source>
        <comment>alert sound</comment>
        <translation>感叹号</translation>
    </message>
    <message>
        <source>Asterisk</source>
        <comment>alert sound</comment>
        <translation>星号</translation>
    </message>
    <message>
        <source>Beep</source>
        <comment>alert sound</comment>
        <translation>蜂鸣</translation>
    </message>
    <message>
        <source>Play Sound</source>
        <translation>播放声音</translation>
    </message>
    <message>
        <source>Add Custom Sound</source>
        <translation>添加自定义声音</translation>
    </message>
    <message>
        <source>Idle</source>
        <comment>thread priority</comment>
        <translation>空闲</translation>
    </message>
    <message>
        <source>Lowest</source>
        <comment>thread priority</comment>
        <translation>最低</translation>
    </message>
    <message>
        <source>Lower</source>
        <comment>thread priority</comment>
        <translation>较低</translation>
    </message>
    <message>
        <source>Normal</source>
        <comment>thread priority</comment>
        <translation>正常</translation>
    </message>
    <message>
        <source>Higher</source>
        <comment>thread priority</comment>
        <translation>较高</translation>
    </message>
    <message>
        <source>Hash thread priority (recommended: Lower or Normal)</source>
        <translation>哈希线程的优先级（建议：较低或正常）</translation>
    </message>
    <message>
        <source>Add File Type</source>
        <translation>添加文件类型</translation>
    </message>
    <message>
        <source>Add new file type to file types list</source>
        <translation>向文件类型列表中添加新的文件类型</translation>
    </message>
    <message>
        <source>Del File Type</source>
        <translation>删除文件类型</translation>
    </message>
    <message>
        <source>Selete currently selected file type</source>
        <comment>&quot;Selete&quot;: a slip for &quot;Delete&quot;</comment>
        <translation>删除当前选中的文件类型</translation>
    </message>
    <message>
        <source>Strip File Paths</source>
        <translation>去除文件路径</translation>
    </message>
    <message>
        <source>Strip file path from ED2K links</source>
        <translation>从 ED2K 链接中去除文件路径</translation>
    </message>
    <message>
        <source>Show File Info Window</source>
        <translation>显示文件信息窗格</translation>
    </message>
    <message>
        <source>Show other hashes for files in separate window</source>
        <translation>在单独的窗格中显示文件的其他哈希</translation>
    </message>
    <message>
        <source>Lowercase Hash Strings</source>
        <translation>小写哈希字符串</translation>
    </message>
    <message>
        <source>Controls if letters in hex strings are in upper or lower case</source>
        <translation>控制十六进制字符串中的字母为大写还是小写</translation>
    </message>
    <message>
        <source>Minimize to System Tray</source>
        <translation>最小化到系统托盘</translation>
    </message>
    <message>
        <source>Minimizing program sends it to the system tray</source>
        <translation>最小化时将程序放到系统托盘</translation>
    </message>
    <message>
        <source>Include Trailing Slash</source>
        <translation>包含末尾斜杠</translation>
    </message>
    <message>
        <source>Adds a trailing slash to ED2K links (not usually required)</source>
        <translation>在 ED2K 链接末尾添加斜杠（通常不需要）</translation>
    </message>
    <message>
        <source>Run From Explorer</source>
        <translation>从文件管理器运行</translation>
    </message>
    <message>
        <source>Adds Linkmint to pop-up when right-clicking on files</source>
        <translation>将 Linkmint 添加到文件的右键菜单</translation>
    </message>
    <message>
        <source>Use *.* For Drag &amp;&amp; Drop</source>
        <translation>拖放时使用 *.*</translation>
    </message>
    <message>
        <source>Use *.* for directories dropped on form instead of Default File Type mask</source>
        <translation>拖放到窗口上的文件夹使用 *.*，而不是默认文件类型的掩码</translation>
    </message>
    <message>
        <source>Sort Added Files</source>
        <translation>排序添加的文件</translation>
    </message>
    <message>
        <source>Adds files to list in sorted positions</source>
        <translation>按排序位置将文件添加到列表</translation>
    </message>
    <message>
        <source>Preselect Added Files</source>
        <translation>预先选中添加的文件</translation>
    </message>
    <message>
        <source>Adds new files as selected</source>
        <translation>添加的新文件处于选中状态</translation>
    </message>
    <message>
        <source>Keep Files On Exit</source>
        <translation>退出时保留文件</translation>
    </message>
    <message>
        <source>Add AICH hash</source>
        <translation>添加 AICH 哈希</translation>
    </message>
    <message>
        <source>Adds the AICH root hash (h=) to ED2K links, with which clients repair damaged parts</source>
        <translation>在 ED2K 链接中添加 AICH 根哈希 (h=)，客户端可据此修复损坏的分块</translation>
    </message>
    <message>
        <source>Add part hashes</source>
        <translation>添加分块哈希</translation>
    </message>
    <message>
        <source>Adds the part hashes (p=) to ED2K links of files larger than one part</source>
        <translation>为大于一个分块的文件在 ED2K 链接中添加分块哈希 (p=)</translation>
    </message>
    <message>
        <source>Show Overall Progress</source>
        <translation>显示总体进度</translation>
    </message>
    <message>
        <source>Shows, while hashing, how many MB of all files are read, the speed and the time left, in the status bar and the tray icon&apos;s tip</source>
        <translation>计算哈希时，在状态栏和托盘图标的提示中显示所有文件已读取的 MB 数、速度和剩余时间</translation>
    </message>
    <message>
        <source>Go to Idle Mode (default)</source>
        <translation>进入空闲模式（默认）</translation>
    </message>
    <message>
        <source>Copy to Clipboard</source>
        <translation>复制到剪贴板</translation>
    </message>
    <message>
        <source>Copy Selected to Clipboard</source>
        <translation>复制所选项到剪贴板</translation>
    </message>
    <message>
        <source>Copy to Clipboard &amp;&amp; Exit</source>
        <translation>复制到剪贴板并退出</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Default Directory: (leave blank to start on last used directory)</source>
        <translation>默认文件夹：（留空则从上次使用的文件夹开始）</translation>
    </message>
    <message>
        <source>Default File Type:</source>
        <translation>默认文件类型：</translation>
    </message>
    <message>
        <source>Completion Alert Sound:</source>
        <translation>完成提示音：</translation>
    </message>
    <message>
        <source>Thread Priority:</source>
        <translation>线程优先级：</translation>
    </message>
    <message>
        <source>File Types:</source>
        <translation>文件类型：</translation>
    </message>
    <message>
        <source>Other Options:</source>
        <translation>其他选项：</translation>
    </message>
    <message>
        <source>When All Files Are Read:</source>
        <translation>读取完所有文件后：</translation>
    </message>
    <message>
        <source>Select Default Directory</source>
        <translation>选择默认文件夹</translation>
    </message>
    <message>
        <source>Wave files (*.wav)</source>
        <translation>Wave 文件 (*.wav)</translation>
    </message>
    <message>
        <source>MIDI files (*.mid)</source>
        <translation>MIDI 文件 (*.mid)</translation>
    </message>
</context>
<context>
    <name>lm::TfrmSelDir</name>
    <message>
        <source>Select Directory</source>
        <translation>选择文件夹</translation>
    </message>
    <message>
        <source>Number of files: ?</source>
        <translation>文件数：?</translation>
    </message>
    <message>
        <source>File Types:</source>
        <translation>文件类型：</translation>
    </message>
    <message>
        <source>Count Files</source>
        <translation>统计文件</translation>
    </message>
    <message>
        <source>Recurse all subdirectories</source>
        <translation>包含所有子文件夹</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>自动</translation>
    </message>
    <message>
        <source>Automatically Count Files</source>
        <translation>自动统计文件</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Open Directory</source>
        <translation>打开文件夹</translation>
    </message>
    <message>
        <source>Number of files: %1</source>
        <translation>文件数：%1</translation>
    </message>
</context>
</TS>
