<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>lm::CheckTexts</name>
    <message>
        <source>Error: The check stopped: %1.</source>
        <translation>Erro: a verificação parou: %1.</translation>
    </message>
    <message>
        <source>size</source>
        <translation>tamanho</translation>
    </message>
    <message>
        <source>ed2k hash</source>
        <translation>hash ed2k</translation>
    </message>
    <message>
        <source>part hashes</source>
        <translation>hashes das partes</translation>
    </message>
    <message>
        <source>AICH hash</source>
        <translation>hash AICH</translation>
    </message>
    <message>
        <source>cannot be opened</source>
        <translation>não pode ser aberto</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>não é um arquivo comum</translation>
    </message>
    <message>
        <source>larger than a list can be</source>
        <translation>grande demais para uma lista</translation>
    </message>
    <message>
        <source>read error: %1</source>
        <translation>erro de leitura: %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>FAILED</source>
        <translation>FALHOU</translation>
    </message>
    <message>
        <source>MISSING</source>
        <translation>AUSENTE</translation>
    </message>
    <message>
        <source>NOT CHECKED</source>
        <translation>NÃO VERIFICADO</translation>
    </message>
    <message>
        <source>%1 differs</source>
        <translation>%1 não confere</translation>
    </message>
    <message>
        <source>%1 differ</source>
        <comment>several things, separated by commas</comment>
        <translation>%1 não conferem</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between the things that differ</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>%1 OK, %2 FAILED, %3 MISSING</source>
        <translation>%1 OK, %2 FALHOU, %3 AUSENTE</translation>
    </message>
    <message>
        <source>1 entry: %1</source>
        <translation>1 entrada: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n entries: %1</source>
        <translation>
            <numerusform>%n entrada: %1</numerusform>
            <numerusform>%n entradas: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>, %1 NOT CHECKED</source>
        <translation>, %1 NÃO VERIFICADO</translation>
    </message>
    <message>
        <source>Error: Unable to read list &quot;%1&quot;: %2.</source>
        <translation>Erro: não foi possível ler a lista &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>Error: The list &quot;%1&quot; holds nothing to check.</source>
        <translation>Erro: a lista &quot;%1&quot; não contém nada para verificar.</translation>
    </message>
    <message>
        <source>Warning: %1, line %2: not a line of a known list format.</source>
        <translation>Aviso: %1, linha %2: não é uma linha de um formato de lista conhecido.</translation>
    </message>
    <message>
        <source>Note: %1: 1 line skipped, for digests that are not checked (%2).</source>
        <translation>Nota: %1: 1 linha ignorada, de resumos que não são verificados (%2).</translation>
    </message>
    <message numerus="yes">
        <source>Note: %1: %n lines skipped, for digests that are not checked (%2).</source>
        <translation>
            <numerusform>Nota: %1: %n linha ignorada, de resumos que não são verificados (%2).</numerusform>
            <numerusform>Nota: %1: %n linhas ignoradas, de resumos que não são verificados (%2).</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>lm::FreedesktopIntegration</name>
    <message>
        <source>ed2k Link Maker</source>
        <translation>Gerador de links ed2k</translation>
    </message>
    <message>
        <source>Make ed2k links of files and folders</source>
        <translation>Gerar links ed2k de arquivos e pastas</translation>
    </message>
    <message>
        <source>Open with Linkmint</source>
        <translation>Abrir com o Linkmint</translation>
    </message>
    <message>
        <source>Make ed2k links of the selected files and folders</source>
        <translation>Gerar links ed2k dos arquivos e pastas selecionados</translation>
    </message>
    <message>
        <source>Error: %1 already exists and was not made by Linkmint; it was left as it is.</source>
        <translation>Erro: %1 já existe e não foi criado pelo Linkmint; foi mantido como estava.</translation>
    </message>
    <message>
        <source>Error: Could not create the folder %1.</source>
        <translation>Erro: não foi possível criar a pasta %1.</translation>
    </message>
    <message>
        <source>Error: Could not write %1.</source>
        <translation>Erro: não foi possível gravar %1.</translation>
    </message>
    <message>
        <source>Error: The program&apos;s path holds a control character and cannot be put into a menu entry.</source>
        <translation>Erro: o caminho do programa contém um caractere de controle e não pode ser colocado em um item de menu.</translation>
    </message>
    <message>
        <source>Error: Could not remove %1.</source>
        <translation>Erro: não foi possível remover %1.</translation>
    </message>
</context>
<context>
    <name>lm::HashingWorker</name>
    <message>
        <source>%1%; %2 to go - Linkmint</source>
        <comment>the title while hashing: percent of the file, files left</comment>
        <translation>%1%; faltam %2 - Linkmint</translation>
    </message>
    <message>
        <source>Paused: 1 file remaining</source>
        <translation>Pausado: falta 1 arquivo</translation>
    </message>
    <message>
        <source>Working: 1 file remaining</source>
        <translation>Trabalhando: falta 1 arquivo</translation>
    </message>
    <message numerus="yes">
        <source>Paused: %n files remaining</source>
        <translation>
            <numerusform>Pausado: falta %n arquivo</numerusform>
            <numerusform>Pausado: faltam %n arquivos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Working: %n files remaining</source>
        <translation>
            <numerusform>Trabalhando: falta %n arquivo</numerusform>
            <numerusform>Trabalhando: faltam %n arquivos</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file</source>
        <translation>1 arquivo</translation>
    </message>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>%n arquivo</numerusform>
            <numerusform>%n arquivos</numerusform>
        </translation>
    </message>
    <message>
        <source>Idle: click here to add files</source>
        <translation>Ocioso: clique aqui para adicionar arquivos</translation>
    </message>
    <message>
        <source>Linkmint (idle)</source>
        <translation>Linkmint (ocioso)</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Error: Unable to open file &quot;%1&quot;.</source>
        <translation>Erro: não foi possível abrir o arquivo &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Resume (F12)</source>
        <translation>Continuar (F12)</translation>
    </message>
    <message>
        <source>Pause (F12)</source>
        <translation>Pausar (F12)</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausar</translation>
    </message>
    <message>
        <source>Error: File processing thread died.  Click the Resume button to try continuing.</source>
        <translation>Erro: a thread de processamento de arquivos parou.  Clique no botão Continuar para tentar prosseguir.</translation>
    </message>
</context>
<context>
    <name>lm::TAddFilesDialog</name>
    <message>
        <source>Add Files</source>
        <translation>Adicionar arquivos</translation>
    </message>
</context>
<context>
    <name>lm::TFileListModel</name>
    <message>
        <source>No CRC found in filename.</source>
        <translation>Nenhum CRC encontrado no nome do arquivo.</translation>
    </message>
    <message>
        <source>Found correct CRC in filename.</source>
        <translation>CRC correto encontrado no nome do arquivo.</translation>
    </message>
    <message>
        <source>No hash generated for this file yet.</source>
        <translation>Ainda não foi gerado um hash para este arquivo.</translation>
    </message>
    <message>
        <source>Found possible CRC in filename but it doesn&apos;t match.</source>
        <translation>Possível CRC encontrado no nome do arquivo, mas ele não confere.</translation>
    </message>
</context>
<context>
    <name>lm::TMask</name>
    <message>
        <source>&apos;%1&apos; is an invalid mask at (%2)</source>
        <translation>&quot;%1&quot; é uma máscara inválida na posição (%2)</translation>
    </message>
</context>
<context>
    <name>lm::TOverallProgress</name>
    <message>
        <source>%1 MB of %2 MB</source>
        <comment>megabytes read of all</comment>
        <translation>%1 MB de %2 MB</translation>
    </message>
    <message>
        <source>%1, %2 MB/s, %3 left</source>
        <comment>megabytes read of all, the speed, the time left</comment>
        <translation>%1, %2 MB/s, faltam %3</translation>
    </message>
</context>
<context>
    <name>lm::TSavDlg</name>
    <message>
        <source>Save As</source>
        <translation>Salvar como</translation>
    </message>
    <message>
        <source>ED2K Links (*.ed2k)</source>
        <translation>Links ED2K (*.ed2k)</translation>
    </message>
    <message>
        <source>Text Files (*.txt)</source>
        <translation>Arquivos de texto (*.txt)</translation>
    </message>
    <message>
        <source>All files (*.*)</source>
        <translation>Todos os arquivos (*.*)</translation>
    </message>
    <message>
        <source>Error: The folder &quot;%1&quot; does not exist.</source>
        <translation>Erro: a pasta &quot;%1&quot; não existe.</translation>
    </message>
</context>
<context>
    <name>lm::TStatBar</name>
    <message>
        <source>%1, %2%</source>
        <comment>the file being read and how far it has got</comment>
        <translation>%1, %2%</translation>
    </message>
</context>
<context>
    <name>lm::TeD2KfrmMain</name>
    <message>
        <source>it is not a regular file</source>
        <comment>why a save failed: Error: Could not save &quot;%1&quot;: &lt;this&gt;</comment>
        <translation>não é um arquivo comum</translation>
    </message>
    <message>
        <source>Error: </source>
        <comment>the start of every error message; each one that begins so in English begins with this translation</comment>
        <translation>Erro: </translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Add Files</source>
        <translation>&amp;Adicionar arquivos</translation>
    </message>
    <message>
        <source>Add &amp;Directory</source>
        <translation>Adicionar &amp;pasta</translation>
    </message>
    <message>
        <source>&amp;Check Files Against List...</source>
        <translation>&amp;Verificar arquivos com uma lista…</translation>
    </message>
    <message>
        <source>&amp;Save ED2K Link File</source>
        <translation>&amp;Salvar arquivo de links ED2K</translation>
    </message>
    <message>
        <source>Save All &amp;Information</source>
        <translation>Salvar todas as &amp;informações</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Sai&amp;r</translation>
    </message>
    <message>
        <source>&amp;Copy All to Clipboard</source>
        <translation>&amp;Copiar tudo para a área de transferência</translation>
    </message>
    <message>
        <source>Copy All as &amp;Magnet Links</source>
        <translation>Copiar tudo como links &amp;magnet</translation>
    </message>
    <message>
        <source>Copy &amp;Selected to Clipboard</source>
        <translation>Copiar &amp;seleção para a área de transferência</translation>
    </message>
    <message>
        <source>&amp;Remove All from List</source>
        <translation>&amp;Remover tudo da lista</translation>
    </message>
    <message>
        <source>Remove Se&amp;lected from List</source>
        <translation>Remover se&amp;leção da lista</translation>
    </message>
    <message>
        <source>S&amp;ort List</source>
        <translation>&amp;Ordenar lista</translation>
    </message>
    <message>
        <source>Prefere&amp;nces</source>
        <translation>Preferê&amp;ncias</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pausar</translation>
    </message>
    <message>
        <source>&amp;Resume</source>
        <translation>&amp;Continuar</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Sobre</translation>
    </message>
    <message>
        <source>Copy Selected as Ma&amp;gnet Links</source>
        <translation>Copiar seleção como links ma&amp;gnet</translation>
    </message>
    <message>
        <source>Add Files (F2)</source>
        <translation>Adicionar arquivos (F2)</translation>
    </message>
    <message>
        <source>Add Directory (F3)</source>
        <translation>Adicionar pasta (F3)</translation>
    </message>
    <message>
        <source>Save Links (F4)</source>
        <translation>Salvar links (F4)</translation>
    </message>
    <message>
        <source>Exit (Ctrl+Q)</source>
        <translation>Sair (Ctrl+Q)</translation>
    </message>
    <message>
        <source>Copy All to Clipboard (F6)</source>
        <translation>Copiar tudo para a área de transferência (F6)</translation>
    </message>
    <message>
        <source>Copy Selected to Clipboard (F7)</source>
        <translation>Copiar seleção para a área de transferência (F7)</translation>
    </message>
    <message>
        <source>Remove All (F8)</source>
        <translation>Remover tudo (F8)</translation>
    </message>
    <message>
        <source>Remove Selected (F9)</source>
        <translation>Remover seleção (F9)</translation>
    </message>
    <message>
        <source>Sort (F10)</source>
        <translation>Ordenar (F10)</translation>
    </message>
    <message>
        <source>Pause (F12)</source>
        <translation>Pausar (F12)</translation>
    </message>
    <message>
        <source>Exit when done</source>
        <translation>Sair ao terminar</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Aguarde…</translation>
    </message>
    <message>
        <source>Error: Could not save &quot;%1&quot;: %2</source>
        <translation>Erro: não foi possível salvar &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Error: Could not put the links on the clipboard.</source>
        <translation>Erro: não foi possível colocar os links na área de transferência.</translation>
    </message>
    <message>
        <source>Error: Could not find file &quot;%1&quot;</source>
        <translation>Erro: arquivo &quot;%1&quot; não encontrado</translation>
    </message>
    <message>
        <source>Check Files Against List</source>
        <translation>Verificar arquivos com uma lista</translation>
    </message>
</context>
<context>
    <name>lm::TfrmAbout</name>
    <message>
        <source>About Linkmint</source>
        <translation>Sobre o Linkmint</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Minted with care by the Linkmint developers.</source>
        <translation>Cunhado com cuidado pelos desenvolvedores do Linkmint.</translation>
    </message>
</context>
<context>
    <name>lm::TfrmCheckFiles</name>
    <message>
        <source>Lists (*.ed2k *.txt *.sfv *.md5 *.sha1 MD5SUMS SHA1SUMS)</source>
        <translation>Listas (*.ed2k *.txt *.sfv *.md5 *.sha1 MD5SUMS SHA1SUMS)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>What differed</source>
        <translation>Diferenças</translation>
    </message>
    <message>
        <source>%1
%2, line %3</source>
        <comment>the file; the list, the line</comment>
        <translation>%1
%2, linha %3</translation>
    </message>
    <message>
        <source>Check Files Against List</source>
        <translation>Verificar arquivos com uma lista</translation>
    </message>
    <message>
        <source>%v of %m files</source>
        <comment>the progress bar&apos;s own %v (done) and %m (all)</comment>
        <translation>%v de %m arquivos</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>Cancelando…</translation>
    </message>
    <message>
        <source>List: %1</source>
        <translation>Lista: %1</translation>
    </message>
    <message>
        <source>Lists: %1</source>
        <translation>Listas: %1</translation>
    </message>
    <message>
        <source>Reading the list...</source>
        <translation>Lendo a lista…</translation>
    </message>
    <message>
        <source>Reading the lists...</source>
        <translation>Lendo as listas…</translation>
    </message>
    <message>
        <source>Looking for the files...</source>
        <translation>Procurando os arquivos…</translation>
    </message>
    <message>
        <source>File %1 of %2: %3</source>
        <translation>Arquivo %1 de %2: %3</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Cancelado.</translation>
    </message>
    <message>
        <source>Nothing to check.</source>
        <translation>Nada para verificar.</translation>
    </message>
</context>
<context>
    <name>lm::TfrmPrefs</name>
    <message>
        <source>Preferences</source>
        <translation>Preferências</translation>
    </message>
    <message>
        <source>File type name</source>
        <translation>Nome do tipo</translation>
    </message>
    <message>
        <source>File mask</source>
        <translation>Máscara</translation>
    </message>
    <message>
        <source>Error: Default Directory path does not exist.<byte value="xd"/>
Please choose a real directory or leave it blank.</source>
        <translation>Erro: o caminho da pasta padrão não existe.<byte value="xd"/>
Escolha uma pasta que exista ou deixe o campo em branco.</translation>
    </message>
    <message>
        <source>Select Directory</source>
        <translation>Selecionar pasta</translation>
    </message>
    <message>
        <source>Default file types shown when selecting files or using drag and drop</source>
        <translation>Tipos de arquivo padrão ao selecionar arquivos ou ao arrastar e soltar</translation>
    </message>
    <message>
        <source>Note: Some system sounds may not be assigned on your computer</source>
        <translation>Observação: alguns sons do sistema podem não estar atribuídos no seu computador</translation>
    </message>
    <message>
        <source>none</source>
        <comment>alert sound</comment>
        <translation>nenhum</translation>
    </message>
    <message>
        <source>OK</source>
        <comment>alert sound</comment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Hand</source>
        <comment>alert sound</comment>
        <translation>Parada</translation>
    </message>
    <message>
        <source>Question</source>
        <comment>alert sound</comment>
        <translation>Pergunta</translation>
    </message>
    <message>
        <source>Exclamation</source>
        <comment>alert sound</comment>
        <translation>Exclamação</translation>
    </message>
    <message>
        <source>Asterisk</source>
        <comment>alert sound</comment>
        <translation>Asterisco</translation>
    </message>
    <message>
        <source>Beep</source>
        <comment>alert sound</comment>
        <translation>Bipe</translation>
    </message>
    <message>
        <source>Play Sound</source>
        <translation>Reproduzir som</translation>
    </message>
    <message>
        <source>Add Custom Sound</source>
        <translation>Adicionar som personalizado</translation>
    </message>
    <message>
        <source>Idle</source>
        <comment>thread priority</comment>
        <translation>Ociosa</translation>
    </message>
    <message>
        <source>Lowest</source>
        <comment>thread priority</comment>
        <translation>Mínima</translation>
    </message>
    <message>
        <source>Lower</source>
        <comment>thread priority</comment>
        <translation>Baixa</translation>
    </message>
    <message>
        <source>Normal</source>
        <comment>thread priority</comment>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Higher</source>
        <comment>thread priority</comment>
        <translation>Alta</translation>
    </message>
    <message>
        <source>Hash thread priority (recommended: Lower or Normal)</source>
        <translation>Prioridade da thread de hash (recomendada: Baixa ou Normal)</translation>
    </message>
    <message>
        <source>Add File Type</source>
        <translation>Adicionar tipo</translation>
    </message>
    <message>
        <source>Add new file type to file types list</source>
        <translation>Adicionar um novo tipo à lista de tipos de arquivo</translation>
    </message>
    <message>
        <source>Del File Type</source>
        <translation>Excluir tipo</translation>
    </message>
    <message>
        <source>Selete currently selected file type</source>
        <comment>&quot;Selete&quot;: a slip for &quot;Delete&quot;</comment>
        <translation>Excluir o tipo de arquivo selecionado</translation>
    </message>
    <message>
        <source>Strip File Paths</source>
        <translation>Remover caminhos</translation>
    </message>
    <message>
        <source>Strip file path from ED2K links</source>
        <translation>Remover o caminho do arquivo dos links ED2K</translation>
    </message>
    <message>
        <source>Show File Info Window</source>
        <translation>Mostrar informações dos arquivos</translation>
    </message>
    <message>
        <source>Show other hashes for files in separate window</source>
        <translation>Mostrar os outros hashes dos arquivos em um painel separado</translation>
    </message>
    <message>
        <source>Lowercase Hash Strings</source>
        <translation>Hashes em minúsculas</translation>
    </message>
    <message>
        <source>Controls if letters in hex strings are in upper or lower case</source>
        <translation>Define se as letras dos valores hexadecimais ficam em maiúsculas ou minúsculas</translation>
    </message>
    <message>
        <source>Minimize to System Tray</source>
        <translation>Minimizar para a bandeja do sistema</translation>
    </message>
    <message>
        <source>Minimizing program sends it to the system tray</source>
        <translation>Ao minimizar, o programa vai para a bandeja do sistema</translation>
    </message>
    <message>
        <source>Include Trailing Slash</source>
        <translation>Incluir barra final</translation>
    </message>
    <message>
        <source>Adds a trailing slash to ED2K links (not usually required)</source>
        <translation>Adiciona uma barra ao final dos links ED2K (geralmente desnecessária)</translation>
    </message>
    <message>
        <source>Run From Explorer</source>
        <translation>Abrir pelo gerenciador de arquivos</translation>
    </message>
    <message>
        <source>Adds Linkmint to pop-up when right-clicking on files</source>
        <translation>Adiciona o Linkmint ao menu de contexto dos arquivos</translation>
    </message>
    <message>
        <source>Use *.* For Drag &amp;&amp; Drop</source>
        <translation>*.* ao arrastar e soltar</translation>
    </message>
    <message>
        <source>Use *.* for directories dropped on form instead of Default File Type mask</source>
        <translation>Usar *.* para pastas soltas na janela em vez da máscara do tipo padrão</translation>
    </message>
    <message>
        <source>Sort Added Files</source>
        <translation>Ordenar arquivos adicionados</translation>
    </message>
    <message>
        <source>Adds files to list in sorted positions</source>
        <translation>Adiciona os arquivos à lista em ordem</translation>
    </message>
    <message>
        <source>Preselect Added Files</source>
        <translation>Selecionar arquivos adicionados</translation>
    </message>
    <message>
        <source>Adds new files as selected</source>
        <translation>Adiciona os novos arquivos já selecionados</translation>
    </message>
    <message>
        <source>Keep Files On Exit</source>
        <translation>Manter arquivos ao sair</translation>
    </message>
    <message>
        <source>Add AICH hash</source>
        <translation>Adicionar hash AICH</translation>
    </message>
    <message>
        <source>Adds the AICH root hash (h=) to ED2K links, with which clients repair damaged parts</source>
        <translation>Adiciona aos links ED2K o hash raiz AICH (h=), com o qual os clientes reparam partes danificadas</translation>
    </message>
    <message>
        <source>Add part hashes</source>
        <translation>Adicionar hashes das partes</translation>
    </message>
    <message>
        <source>Adds the part hashes (p=) to ED2K links of files larger than one part</source>
        <translation>Adiciona os hashes das partes (p=) aos links ED2K de arquivos maiores que uma parte</translation>
    </message>
    <message>
        <source>Show Overall Progress</source>
        <translation>Mostrar progresso total</translation>
    </message>
    <message>
        <source>Shows, while hashing, how many MB of all files are read, the speed and the time left, in the status bar and the tray icon&apos;s tip</source>
        <translation>Mostra durante o cálculo, na barra de status e na dica do ícone da bandeja, quantos MB de todos os arquivos foram lidos, a velocidade e o tempo restante</translation>
    </message>
    <message>
        <source>Go to Idle Mode (default)</source>
        <translation>Ficar ocioso (padrão)</translation>
    </message>
    <message>
        <source>Copy to Clipboard</source>
        <translation>Copiar para a área de transferência</translation>
    </message>
    <message>
        <source>Copy Selected to Clipboard</source>
        <translation>Copiar seleção para a área de transferência</translation>
    </message>
    <message>
        <source>Copy to Clipboard &amp;&amp; Exit</source>
        <translation>Copiar para a área de transferência e sair</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Default Directory: (leave blank to start on last used directory)</source>
        <translation>Pasta padrão: (em branco para começar na última pasta usada)</translation>
    </message>
    <message>
        <source>Default File Type:</source>
        <translation>Tipo de arquivo padrão:</translation>
    </message>
    <message>
        <source>Completion Alert Sound:</source>
        <translation>Som ao concluir:</translation>
    </message>
    <message>
        <source>Thread Priority:</source>
        <translation>Prioridade da thread:</translation>
    </message>
    <message>
        <source>File Types:</source>
        <translation>Tipos de arquivo:</translation>
    </message>
    <message>
        <source>Other Options:</source>
        <translation>Outras opções:</translation>
    </message>
    <message>
        <source>When All Files Are Read:</source>
        <translation>Quando todos os arquivos forem lidos:</translation>
    </message>
    <message>
        <source>Select Default Directory</source>
        <translation>Selecionar pasta padrão</translation>
    </message>
    <message>
        <source>Wave files (*.wav)</source>
        <translation>Arquivos Wave (*.wav)</translation>
    </message>
    <message>
        <source>MIDI files (*.mid)</source>
        <translation>Arquivos MIDI (*.mid)</translation>
    </message>
</context>
<context>
    <name>lm::TfrmSelDir</name>
    <message>
        <source>Select Directory</source>
        <translation>Selecionar pasta</translation>
    </message>
    <message>
        <source>Number of files: ?</source>
        <translation>Número de arquivos: ?</translation>
    </message>
    <message>
        <source>File Types:</source>
        <translation>Tipos de arquivo:</translation>
    </message>
    <message>
        <source>Count Files</source>
        <translation>Contar arquivos</translation>
    </message>
    <message>
        <source>Recurse all subdirectories</source>
        <translation>Incluir todas as subpastas</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Automatically Count Files</source>
        <translation>Contar arquivos automaticamente</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Open Directory</source>
        <translation>Abrir pasta</translation>
    </message>
    <message>
        <source>Number of files: %1</source>
        <translation>Número de arquivos: %1</translation>
    </message>
</context>
</TS>
