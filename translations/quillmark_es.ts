<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>Accessibility</name>
    <message>
        <location filename="../editor/Accessibility.cpp" line="+42"/>
        <source>Opens the user guide</source>
        <translation>Abre la guía del usuario</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Makes the paragraphs a bulleted list</source>
        <translation>Convierte los párrafos en una lista con viñetas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Makes the paragraphs a numbered list</source>
        <translation>Convierte los párrafos en una lista numerada</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Indents the paragraphs further</source>
        <translation>Aumenta la sangría de los párrafos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Indents the paragraphs less</source>
        <translation>Disminuye la sangría de los párrafos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Chooses the colour of the text</source>
        <translation>Elige el color del texto</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Inserts a block of fixed-width text for columns</source>
        <translation>Inserta un bloque de texto de ancho fijo para columnas</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Opens %1 in the browser</source>
        <translation>Abre %1 en el navegador</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>More tools</source>
        <translation>Más herramientas</translation>
    </message>
    <message>
        <location line="+128"/>
        <source>Menu bar</source>
        <translation>Barra de menús</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>More menus</source>
        <translation>Más menús</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Document</source>
        <translation>Documento</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The post being written. Ctrl+Tab leaves it; F6 moves to the find bar and the preview</source>
        <translation>El mensaje que se está escribiendo. Ctrl+Tab sale de él; F6 pasa a la barra de búsqueda y a la vista previa</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
</context>
<context>
    <name>DocumentFile</name>
    <message>
        <location filename="../editor/richtext/DocumentFile.cpp" line="+49"/>
        <source>The file does not exist.</source>
        <translation>El archivo no existe.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>It is a folder, not a file.</source>
        <translation>Es una carpeta, no un archivo.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>It is not an ordinary file.</source>
        <translation>No es un archivo normal.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The file is too large to open (%1); Quillmark opens files of up to %2.</source>
        <translation>El archivo es demasiado grande para abrirlo (%1); Quillmark abre archivos de hasta %2.</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>The file changed while it was being read, so nothing of it was opened. Open it again once the program writing it has finished.</source>
        <translation>El archivo cambió mientras se leía, así que no se abrió nada de él. Vuelva a abrirlo cuando haya terminado el programa que lo está escribiendo.</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>The link leads round in a circle, or through too many links.</source>
        <translation>El enlace lleva a un círculo o pasa por demasiados enlaces.</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>The file is empty.</source>
        <translation>El archivo está vacío.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>a ZIP archive (as .docx and .odt documents are)</source>
        <translation>un archivo ZIP (como lo son los documentos .docx y .odt)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>an older word processor&apos;s document (.doc)</source>
        <translation>un documento de un procesador de textos antiguo (.doc)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>a PDF document</source>
        <translation>un documento PDF</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>a web page (HTML)</source>
        <translation>una página web (HTML)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>plain text</source>
        <translation>texto sin formato</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../editor/richtext/RtfReader.cpp" line="+1200"/>
        <source>The file is not an RTF document.</source>
        <translation>El archivo no es un documento RTF.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The file holds %1, not an RTF document.</source>
        <translation>El archivo contiene %1, no un documento RTF.</translation>
    </message>
</context>
<context>
    <name>DocumentState</name>
    <message>
        <location filename="../editor/writing/DocumentState.cpp" line="+68"/>
        <source>Save changes to %1?</source>
        <translation>¿Desea guardar los cambios en %1?</translation>
    </message>
</context>
<context>
    <name>DraftKeeper</name>
    <message>
        <location filename="../editor/writing/DraftKeeper.cpp" line="+71"/>
        <source>Quillmark found a post that was not saved (%1). Restore it?</source>
        <translation>Quillmark encontró un mensaje que no se había guardado (%1). ¿Desea restaurarlo?</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>The folder %1 cannot be made.</source>
        <translation>No se puede crear la carpeta %1.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>No draft file can be locked in %1.</source>
        <translation>No se puede bloquear ningún archivo de borrador en %1.</translation>
    </message>
</context>
<context>
    <name>LengthGauge</name>
    <message>
        <location filename="../editor/preview/LengthGauge.cpp" line="+28"/>
        <source>The post&apos;s length as the forum counts it, and the longest post it takes</source>
        <translation>La longitud del mensaje tal como la cuenta el foro, y el mensaje más largo que admite</translation>
    </message>
</context>
<context>
    <name>Loss</name>
    <message>
        <location filename="../editor/post/PostBuilder.cpp" line="+38"/>
        <source>bold</source>
        <translation>negrita</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>italic</source>
        <translation>cursiva</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>underline</source>
        <translation>subrayado</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>strike-through</source>
        <translation>tachado</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>superscript</source>
        <translation>superíndice</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>subscript</source>
        <translation>subíndice</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>colour</source>
        <translation>color</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>size</source>
        <translation>tamaño</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>face</source>
        <translation>fuente</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>centre</source>
        <translation>centrado</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>right</source>
        <translation>a la derecha</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>list item</source>
        <translation>elemento de lista</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>fixed columns</source>
        <translation>columnas fijas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>line break</source>
        <translation>salto de línea</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>link</source>
        <translation>enlace</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>heading</source>
        <translation>título</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>quote</source>
        <translation>cita</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>rule</source>
        <translation>línea horizontal</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>picture</source>
        <translation>imagen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>picture text</source>
        <translation>texto de imagen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>numbered list</source>
        <translation>lista numerada</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>list start</source>
        <translation>inicio de lista</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>table</source>
        <translation>tabla</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>quote source</source>
        <translation>fuente de la cita</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>inline code</source>
        <translation>código en línea</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>code language</source>
        <translation>lenguaje del bloque de código</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>task box</source>
        <translation>casilla de tarea</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>justify</source>
        <translation>justificación</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>markup of another format</source>
        <translation>marcado de otro formato</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>spoiler</source>
        <translation>spoiler</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1 run</source>
        <translation>%1 fragmento</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 runs</source>
        <translation>%1 fragmentos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 part</source>
        <translation>%1 parte</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 parts</source>
        <translation>%1 partes</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 paragraph</source>
        <translation>%1 párrafo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 paragraphs</source>
        <translation>%1 párrafos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 item</source>
        <translation>%1 elemento</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 items</source>
        <translation>%1 elementos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 block</source>
        <translation>%1 bloque</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 blocks</source>
        <translation>%1 bloques</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 break</source>
        <translation>%1 salto</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 breaks</source>
        <translation>%1 saltos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 link</source>
        <translation>%1 enlace</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 links</source>
        <translation>%1 enlaces</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 heading</source>
        <translation>%1 título</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 headings</source>
        <translation>%1 títulos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 quote</source>
        <translation>%1 cita</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 quotes</source>
        <translation>%1 citas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 rule</source>
        <translation>%1 línea</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 rules</source>
        <translation>%1 líneas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 picture</source>
        <translation>%1 imagen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 pictures</source>
        <translation>%1 imágenes</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 list</source>
        <translation>%1 lista</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 lists</source>
        <translation>%1 listas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 table</source>
        <translation>%1 tabla</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 tables</source>
        <translation>%1 tablas</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>centring</source>
        <translation>centrado</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>right alignment</source>
        <translation>alineación a la derecha</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>tables</source>
        <translation>tablas</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>table: shown as a code block</source>
        <translation>tabla: mostrada como bloque de código</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>table: %1 shown as code blocks</source>
        <translation>tabla: %1 mostradas como bloques de código</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <location line="+118"/>
        <source>tables (1 shown as a code block)</source>
        <translation>tablas (1 mostrada como bloque de código)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>tables (%1 shown as code blocks)</source>
        <translation>tablas (%1 mostradas como bloques de código)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
</context>
<context>
    <name>OfficeDocument</name>
    <message>
        <location filename="../editor/richtext/OfficeDocument.cpp" line="+50"/>
        <source>Opening .odt and .docx documents needs LibreOffice Writer, which is not installed. Install the package %1 and open the document again.</source>
        <translation>Para abrir documentos .odt y .docx se necesita LibreOffice Writer, que no está instalado. Instale el paquete %1 y vuelva a abrir el documento.</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>LibreOffice did not finish reading the document within %1 seconds.</source>
        <translation>LibreOffice no terminó de leer el documento en %1 segundos.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>LibreOffice could not read the document: it may be damaged, or of a kind LibreOffice Writer does not open.</source>
        <translation>LibreOffice no pudo leer el documento: puede estar dañado o ser de un tipo que LibreOffice Writer no abre.</translation>
    </message>
</context>
<context>
    <name>Post</name>
    <message>
        <location filename="../editor/post/PostBuilder.cpp" line="-57"/>
        <source>%1 characters as %2</source>
        <translation>%1 caracteres como %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source> (%1 characters longer than the %2 %3 takes)</source>
        <translation> (%1 caracteres más de los %2 que admite %3)</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+15"/>
        <source>; not shown there: %1</source>
        <translation>; el foro no muestra: %1</translation>
    </message>
    <message>
        <location line="-7"/>
        <source>part %1 of %2 (%3 characters) as %4</source>
        <translation>parte %1 de %2 (%3 caracteres) como %4</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>——— Part %1 of %2 ———</source>
        <translation>——— Parte %1 de %2 ———</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>This forum does not show: %1</source>
        <translation>Este foro no muestra: %1</translation>
    </message>
    <message>
        <location filename="../editor/preview/PreviewContent.cpp" line="+186"/>
        <source>Part %1 of %2</source>
        <translation>Parte %1 de %2</translation>
    </message>
</context>
<context>
    <name>Preview</name>
    <message>
        <location line="-59"/>
        <source>[picture: %1]</source>
        <translation>[imagen: %1]</translation>
    </message>
</context>
<context>
    <name>QtPlatform</name>
    <message>
        <location filename="../editor/QtPlatform.cpp" line="+100"/>
        <source>&amp;Restore</source>
        <translation>&amp;Restaurar</translation>
    </message>
    <message>
        <location line="-17"/>
        <location line="+18"/>
        <source>&amp;Discard</source>
        <translation>&amp;Descartar</translation>
    </message>
    <message>
        <location line="-19"/>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <location line="+76"/>
        <source>Open Forum Post</source>
        <translation>Abrir mensaje de foro</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&quot;%1&quot; holds BBCode that several forums write.
Read it as the BBCode of:</source>
        <translation>«%1» contiene BBCode que escriben varios foros.
Leerlo como el BBCode de:</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Picture from Address</source>
        <translation>Imagen desde dirección</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The picture&apos;s web address, starting https:// or http://</source>
        <translation>La dirección web de la imagen, que empieza por https:// o http://</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The words that stand for the picture</source>
        <translation>Las palabras que representan la imagen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Picture&apos;s &amp;address:</source>
        <translation>&amp;Dirección de la imagen:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Alternative &amp;text:</source>
        <translation>&amp;Texto alternativo:</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Insert Table</source>
        <translation>Insertar tabla</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>First row is a &amp;header</source>
        <translation>La primera fila es el &amp;encabezado</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>How many rows the table has</source>
        <translation>Cuántas filas tiene la tabla</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>How many columns the table has</source>
        <translation>Cuántas columnas tiene la tabla</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The first row heads the columns</source>
        <translation>La primera fila encabeza las columnas</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Rows</source>
        <translation>Filas</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Columns</source>
        <translation>Columnas</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Rows:</source>
        <translation>&amp;Filas:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Columns:</source>
        <translation>&amp;Columnas:</translation>
    </message>
</context>
<context>
    <name>Quote</name>
    <message>
        <location filename="../editor/post/PostDocument.cpp" line="+564"/>
        <source>Quote</source>
        <translation>Cita</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 wrote:</source>
        <extracomment>A quote&apos;s title line in the document: %1 is the name of who wrote the quoted post.</extracomment>
        <translation>%1 escribió:</translation>
    </message>
</context>
<context>
    <name>RecentFiles</name>
    <message>
        <location filename="../editor/writing/RecentFiles.cpp" line="+75"/>
        <source>No Recent Files</source>
        <translation>No hay archivos recientes</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>&amp;Clear Recent Files</source>
        <translation>&amp;Borrar archivos recientes</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 is no longer in %2. It was taken off the recent files.</source>
        <translation>%1 ya no está en %2. Se ha quitado de los archivos recientes.</translation>
    </message>
</context>
<context>
    <name>Tool</name>
    <message>
        <location filename="../editor/ToolTable.cpp" line="+79"/>
        <source>&amp;New</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Creates a new, blank file</source>
        <translation>Crea un archivo nuevo en blanco</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Open</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Opens or finds a file</source>
        <translation>Abre o busca un archivo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Saves current active file</source>
        <translation>Guarda el archivo activo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save &amp;As...</source>
        <translation>Guardar &amp;como...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Save As</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Saves the document under a new name</source>
        <translation>Guarda el documento con otro nombre</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimir...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Print current file</source>
        <translation>Imprime el archivo actual</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Close all documents and exit</source>
        <translation>Cierra todos los documentos y sale del programa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>C&amp;ut</source>
        <translation>Cor&amp;tar</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Cut</source>
        <translation>Cortar</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Cut current selection to clipboard</source>
        <translation>Corta la selección actual y la pone en el portapapeles</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>C&amp;opy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Copy current selection to clipboard</source>
        <translation>Copia la selección actual en el portapapeles</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Paste</source>
        <translation>&amp;Pegar</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Paste clipboard contents into document</source>
        <translation>Pega el contenido del portapapeles en el documento</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Paste Forum Pos&amp;t</source>
        <translation>Pegar &amp;mensaje de foro</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Paste Forum Post</source>
        <translation>Pegar mensaje de foro</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Paste the forum post on the clipboard as formatted text</source>
        <translation>Pega el mensaje de foro del portapapeles como texto con formato</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Un&amp;do</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Undoes the last change</source>
        <translation>Deshace el último cambio</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Makes the change undone again</source>
        <translation>Vuelve a hacer el cambio deshecho</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Select &amp;All</source>
        <translation>Seleccionar t&amp;odo</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Select All</source>
        <translation>Seleccionar todo</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Selects the whole document</source>
        <translation>Selecciona todo el documento</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Find...</source>
        <translation>&amp;Buscar...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Find</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Finds text in the document</source>
        <translation>Busca texto en el documento</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Find &amp;Next</source>
        <translation>Buscar &amp;siguiente</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Find Next</source>
        <translation>Buscar siguiente</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Finds the next match</source>
        <translation>Busca la siguiente coincidencia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>R&amp;eplace...</source>
        <translation>R&amp;eemplazar...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Replace</source>
        <translation>Reemplazar</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Replaces text in the document</source>
        <translation>Reemplaza texto en el documento</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+59"/>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <location line="-59"/>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Font Si&amp;ze:</source>
        <translation>Tamañ&amp;o de fuente:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Font &amp;Size</source>
        <translation>&amp;Tamaño de fuente</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Font Size</source>
        <translation>Tamaño de fuente</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Change font size</source>
        <translation>Cambia el tamaño de fuente</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Bold</source>
        <translation>&amp;Negrita</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Bold</source>
        <translation>Negrita</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Set current style to bold</source>
        <translation>Aplica negrita al estilo actual</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Italic</source>
        <translation>C&amp;ursiva</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Italic</source>
        <translation>Cursiva</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Set current style to italic</source>
        <translation>Aplica cursiva al estilo actual</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Underline</source>
        <translation>&amp;Subrayado</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Underline</source>
        <translation>Subrayado</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Set current style to underlined</source>
        <translation>Aplica subrayado al estilo actual</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Left</source>
        <translation>&amp;Izquierda</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Left</source>
        <translation>Izquierda</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Align left</source>
        <translation>Alinea a la izquierda</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Center</source>
        <translation>Centr&amp;o</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Center</source>
        <translation>Centro</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Align center</source>
        <translation>Alinea al centro</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Right</source>
        <translation>&amp;Derecha</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Right</source>
        <translation>Derecha</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Align right</source>
        <translation>Alinea a la derecha</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bull&amp;ets</source>
        <translation>&amp;Viñetas</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Bullets</source>
        <translation>Viñetas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nu&amp;mbering</source>
        <translation>Nu&amp;meración</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Numbering</source>
        <translation>Numeración</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Quote</source>
        <translation>&amp;Cita</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Quote</source>
        <translation>Cita</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Put the paragraphs in a quote or take them out</source>
        <translation>Pone los párrafos en una cita o los saca de ella</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Heading &amp;1</source>
        <translation>Título &amp;1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Heading 1</source>
        <translation>Título 1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Make the paragraphs a main heading</source>
        <translation>Convierte los párrafos en un título principal</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Heading &amp;2</source>
        <translation>Título &amp;2</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Heading 2</source>
        <translation>Título 2</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Make the paragraphs a heading</source>
        <translation>Convierte los párrafos en un título</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Heading &amp;3</source>
        <translation>Título &amp;3</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Heading 3</source>
        <translation>Título 3</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Make the paragraphs a small heading</source>
        <translation>Convierte los párrafos en un título pequeño</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Normal &amp;Text</source>
        <translation>Te&amp;xto normal</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Normal Text</source>
        <translation>Texto normal</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Make the paragraphs normal text</source>
        <translation>Convierte los párrafos en texto normal</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Picture from Address...</source>
        <translation>&amp;Imagen desde dirección...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Picture from Address</source>
        <translation>Imagen desde dirección</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Insert a picture from its web address</source>
        <translation>Inserta una imagen a partir de su dirección web</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Horizontal &amp;Rule</source>
        <translation>&amp;Línea horizontal</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Horizontal Rule</source>
        <translation>Línea horizontal</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Insert a line across the post</source>
        <translation>Inserta una línea de lado a lado del mensaje</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Table...</source>
        <translation>&amp;Tabla...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Table</source>
        <translation>Tabla</translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+1"/>
        <source>Insert a table</source>
        <translation>Inserta una tabla</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Insert Table...</source>
        <translation>&amp;Insertar tabla...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Insert Table</source>
        <translation>Insertar tabla</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Insert Row &amp;Above</source>
        <translation>Insertar fila a&amp;rriba</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Insert Row Above</source>
        <translation>Insertar fila arriba</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Insert a row above the selected cells</source>
        <translation>Inserta una fila encima de las celdas seleccionadas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Insert Row &amp;Below</source>
        <translation>Insertar fila de&amp;bajo</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Insert Row Below</source>
        <translation>Insertar fila debajo</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Insert a row below the selected cells</source>
        <translation>Inserta una fila debajo de las celdas seleccionadas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Insert Column &amp;Left</source>
        <translation>Insertar columna a la i&amp;zquierda</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Insert Column Left</source>
        <translation>Insertar columna a la izquierda</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Insert a column left of the selected cells</source>
        <translation>Inserta una columna a la izquierda de las celdas seleccionadas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Insert Column &amp;Right</source>
        <translation>Insertar columna a la &amp;derecha</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Insert Column Right</source>
        <translation>Insertar columna a la derecha</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Insert a column right of the selected cells</source>
        <translation>Inserta una columna a la derecha de las celdas seleccionadas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Delete Row</source>
        <translation>&amp;Eliminar fila</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Delete Row</source>
        <translation>Eliminar fila</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Delete the rows of the selected cells</source>
        <translation>Elimina las filas de las celdas seleccionadas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete &amp;Column</source>
        <translation>Eliminar &amp;columna</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Delete Column</source>
        <translation>Eliminar columna</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Delete the columns of the selected cells</source>
        <translation>Elimina las columnas de las celdas seleccionadas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete &amp;Table</source>
        <translation>Eliminar &amp;tabla</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Delete Table</source>
        <translation>Eliminar tabla</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Delete the whole table</source>
        <translation>Elimina toda la tabla</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Align Column Le&amp;ft</source>
        <translation>&amp;Alinear columna a la izquierda</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Align Column Left</source>
        <translation>Alinear columna a la izquierda</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Align the selected columns left</source>
        <translation>Alinea a la izquierda las columnas seleccionadas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Align Column Ce&amp;nter</source>
        <translation>Alinear columna al ce&amp;ntro</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Align Column Center</source>
        <translation>Alinear columna al centro</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Center the selected columns</source>
        <translation>Centra las columnas seleccionadas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Align Column Ri&amp;ght</source>
        <translation>Alinear columna a la derec&amp;ha</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Align Column Right</source>
        <translation>Alinear columna a la derecha</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Align the selected columns right</source>
        <translation>Alinea a la derecha las columnas seleccionadas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Header Row</source>
        <translation>&amp;Fila de encabezado</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Header Row</source>
        <translation>Fila de encabezado</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Make the first row the table&apos;s header or a row like the others</source>
        <translation>Convierte la primera fila en el encabezado de la tabla o en una fila como las demás</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Convert Te&amp;xt to Table</source>
        <translation>Convertir te&amp;xto en tabla</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Convert Text to Table</source>
        <translation>Convertir texto en tabla</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Make a table of the fixed-columns block or the selected lines</source>
        <translation>Crea una tabla a partir del bloque de columnas fijas o de las líneas seleccionadas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>C&amp;onvert Table to Text</source>
        <translation>C&amp;onvertir tabla en texto</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Convert Table to Text</source>
        <translation>Convertir tabla en texto</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Make the table a fixed-columns block</source>
        <translation>Convierte la tabla en un bloque de columnas fijas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>I&amp;ncrease Indent</source>
        <translation>&amp;Aumentar sangría</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Increase Indent</source>
        <translation>Aumentar sangría</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Decrease Indent</source>
        <translation>Disminui&amp;r sangría</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Decrease Indent</source>
        <translation>Disminuir sangría</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>C&amp;olor</source>
        <translation>Co&amp;lor</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Color</source>
        <translation>Color</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Fixed Columns</source>
        <translation>Columnas &amp;fijas</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Fixed Columns</source>
        <translation>Columnas fijas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lin&amp;k...</source>
        <translation>&amp;Enlace...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Link</source>
        <translation>Enlace</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Make the selection a link to a web address</source>
        <translation>Convierte la selección en un enlace a una dirección web</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Con&amp;vert Clipboard</source>
        <translation>Con&amp;vertir portapapeles</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Convert Clipboard</source>
        <translation>Convertir portapapeles</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Convert the rich text on the clipboard into a post</source>
        <translation>Convierte el texto enriquecido del portapapeles en un mensaje</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Copy Ne&amp;xt Part</source>
        <translation>Copiar la parte si&amp;guiente</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Copy Next Part</source>
        <translation>Copiar la parte siguiente</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Copy the next part of a post too long for its forum</source>
        <translation>Copia la parte siguiente de un mensaje demasiado largo para su foro</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Forums...</source>
        <translation>&amp;Foros...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Forums</source>
        <translation>Foros</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Add, change or remove forum profiles</source>
        <translation>Añade, cambia o quita perfiles de foro</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Post &amp;as:</source>
        <translation>Pub&amp;licar como:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Post &amp;as</source>
        <translation>Publicar &amp;como</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Post as</source>
        <translation>Publicar como</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Choose the forum, and so the format, of the post</source>
        <translation>Elige el foro del mensaje y, con él, su formato</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Preview</source>
        <translation>&amp;Vista previa</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Shows the post as the forum will show it, and its markup</source>
        <translation>Muestra el mensaje tal como lo mostrará el foro, y su marcado</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Edit</source>
        <translation>&amp;Edición</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fo&amp;rmat</source>
        <translation>&amp;Formato</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>In&amp;sert</source>
        <translation>&amp;Insertar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ta&amp;ble</source>
        <translation>&amp;Tabla</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Web</source>
        <translation>&amp;Web</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Tools</source>
        <translation>&amp;Herramientas</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Contents</source>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Help Contents</source>
        <translation>Contenido de la Ayuda</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>About this application</source>
        <translation>Acerca de esta aplicación</translation>
    </message>
    <message>
        <location filename="../editor/web/Sites.h" line="+28"/>
        <source>ScamWatch: warnings about scams aimed at players</source>
        <translation>ScamWatch: avisos sobre estafas dirigidas a jugadores</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Updates</source>
        <translation>Ac&amp;tualizaciones</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Updates to Quillmark</source>
        <translation>Actualizaciones de Quillmark</translation>
    </message>
</context>
<context>
    <name>cli</name>
    <message>
        <location filename="../cli/Files.cpp" line="+93"/>
        <location line="+143"/>
        <source>standard output</source>
        <translation>salida estándar</translation>
    </message>
    <message>
        <location line="-73"/>
        <source>cannot read %1: %2</source>
        <translation>no se puede leer %1: %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cannot write %1: %2</source>
        <translation>no se puede escribir %1: %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cannot open %1: %2</source>
        <translation>no se puede abrir %1: %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cannot run %1: %2</source>
        <translation>no se puede ejecutar %1: %2</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>standard input</source>
        <translation>entrada estándar</translation>
    </message>
    <message>
        <location filename="../cli/Options.cpp" line="+34"/>
        <source>write the post in FORMAT (default html), one of the formats below</source>
        <translation>escribe el mensaje en FORMAT (html de forma predeterminada), uno de los formatos siguientes</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>unknown format &apos;%1&apos;; the formats are %2</source>
        <translation>formato desconocido &apos;%1&apos;; los formatos son %2</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>read FILE as a post in FORMAT (a BBCode format or markdown,
UTF-8) instead of RTF, and write --format&apos;s post from it</source>
        <translation>lee FILE como un mensaje en FORMAT (un formato BBCode o markdown,
UTF-8) en lugar de RTF, y escribe a partir de él el mensaje de --format</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>--from reads a post: &apos;%1&apos; is none; it takes a BBCode format or markdown</source>
        <translation>--from lee un mensaje: &apos;%1&apos; no es formato de mensaje; admite un formato BBCode o markdown</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>on standard error, one line per element the format cannot
show, with how many were dropped (&quot;colour: 3 runs&quot;)</source>
        <translation>en la salida de errores, una línea por cada elemento que el formato no puede
mostrar, con cuántos se descartaron (&quot;colour: 3 runs&quot;)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the converter&apos;s option string (default &quot;+CR+A&quot;); its flags,
which may be combined:
  +CR     a CR-LF after every &lt;br&gt; and &lt;/li&gt;
  +A      hyperlink fields become links (&lt;a href&gt;)
  +F=&lt;n&gt;  font size &lt;n&gt; is the page&apos;s base size and gets no attribute
  -FF     drop font faces</source>
        <translation>la cadena de opciones del conversor (de forma predeterminada &quot;+CR+A&quot;); sus indicadores,
que se pueden combinar:
  +CR     un CR-LF tras cada &lt;br&gt; y &lt;/li&gt;
  +A      los campos de hipervínculo pasan a ser enlaces (&lt;a href&gt;)
  +F=&lt;n&gt;  el tamaño de fuente &lt;n&gt; es el tamaño base de la página y no recibe atributo
  -FF     descarta los nombres de fuente</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>the converter&apos;s output as is, without the &quot;Copy to Web&quot; rewrites
(html only)</source>
        <translation>la salida del conversor tal cual, sin las reescrituras de &quot;Copiar para la Web&quot;
(solo html)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>convert FILE&apos;s own RTF with the conversion engine alone,
without opening it in the editor first (html only)</source>
        <translation>convierte el RTF propio de FILE solo con el motor de conversión,
sin abrirlo antes en el editor (solo html)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>open FILE in the editor first, as is done without --engine</source>
        <translation>abre FILE primero en el editor, como se hace sin --engine</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>Usage: quillmark-convert [OPTIONS] [FILE]

Writes the post that &quot;Copy to Web&quot; puts on the clipboard for FILE opened in the editor:
an RTF document, a web page, or with --from a forum post. With --engine, the conversion
engine alone turns the RTF into html. Reads FILE, or standard input when FILE is absent
or &quot;-&quot;, and writes UTF-8 to standard output.

Options:
</source>
        <translation>Uso: quillmark-convert [OPTIONS] [FILE]

Escribe el mensaje que &quot;Copiar para la Web&quot; pone en el portapapeles para FILE abierto en el
editor: un documento RTF, una página web o, con --from, un mensaje de foro. Con --engine,
el motor de conversión solo convierte el RTF en html. Lee FILE, o la entrada estándar si
falta FILE o es &quot;-&quot;, y escribe UTF-8 en la salida estándar.

Opciones:
</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Usage: quillmark-convert [OPTIONS] [FILE]

Converts an RTF document to the compact forum HTML of the conversion engine. Reads FILE
(Windows-1252 bytes), or standard input when FILE is absent or &quot;-&quot;, and writes UTF-8 to
standard output. With --from, FILE is a forum post, written in another forum&apos;s format.

Options:
</source>
        <translation>Uso: quillmark-convert [OPTIONS] [FILE]

Convierte un documento RTF en el HTML compacto para foros del motor de conversión. Lee FILE
(bytes Windows-1252), o la entrada estándar si falta FILE o es &quot;-&quot;, y escribe UTF-8 en la
salida estándar. Con --from, FILE es un mensaje de foro, escrito en el formato de otro foro.

Opciones:
</translation>
    </message>
    <message>
        <location line="-26"/>
        <source>write to FILE instead; it is replaced only once all is written</source>
        <translation>escribe en FILE en su lugar; solo se reemplaza cuando todo está escrito</translation>
    </message>
    <message>
        <location line="-21"/>
        <source>a post longer than its forum takes in parts, each within the
limit and ended by &quot;(1/3)&quot;, &quot;(2/3)&quot;...: with -o FILE in numbered
files (FILE.1.txt...), else one after the other, a line between them</source>
        <translation>un mensaje más largo de lo que admite su foro, en partes, cada una dentro del
límite y terminada en &quot;(1/3)&quot;, &quot;(2/3)&quot;...: con -o FILE en archivos
numerados (FILE.1.txt...), si no una tras otra, con una línea entre ellas</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>with --split, the longest part, as the forum counts it
(default the forum&apos;s own limit, as it is installed)</source>
        <translation>con --split, la longitud máxima de una parte, contada como la cuenta el foro
(por omisión el límite propio del foro, tal como se instala)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>--limit takes a number of characters: &apos;%1&apos; is none</source>
        <translation>--limit espera un número de caracteres: &apos;%1&apos; no lo es</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>show this help and exit</source>
        <translation>muestra esta ayuda y sale</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>show the version and exit</source>
        <translation>muestra la versión y sale</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>end of options: what follows is FILE, even if it starts with &quot;-&quot;</source>
        <translation>fin de las opciones: lo que sigue es FILE, aunque empiece por &quot;-&quot;</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>
Exit status: 0 on success, 1 when the input cannot be read or the output cannot be
written, 2 for a bad command line.
</source>
        <translation>
Estado de salida: 0 si todo va bien, 1 si no se puede leer la entrada o escribir la
salida, 2 si la línea de órdenes es incorrecta.
</translation>
    </message>
    <message>
        <location line="+70"/>
        <source>--raw gives HTML only; it takes no other --format</source>
        <translation>--raw solo produce HTML; no admite ningún otro --format</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>--engine and --via-editor are two ways of reading FILE; give one of them</source>
        <translation>--engine y --via-editor son dos formas de leer FILE; indique una de ellas</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>--engine reads RTF; it takes no --from</source>
        <translation>--engine lee RTF; no admite --from</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>--engine gives html only: the other formats are made from the editor&apos;s document</source>
        <translation>--engine solo da html: los demás formatos se hacen a partir del documento del editor</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>--options are the engine&apos;s; they take no other --format</source>
        <translation>--options son del motor; no admiten otro --format</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>--limit goes with --split</source>
        <translation>--limit va con --split</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>--split cuts a post in a forum&apos;s markup: give a --format other than html</source>
        <translation>--split corta un mensaje en el marcado de un foro: indique un --format distinto de html</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 has no limit of its own: give --split a --limit</source>
        <translation>%1 no tiene límite propio: dé a --split un --limit</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>this build makes html only: the other formats are made from the editor&apos;s document, which it does not have</source>
        <translation>esta compilación solo produce html: los demás formatos se hacen a partir del documento del editor, que no tiene</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Formats:</source>
        <translation>Formatos:</translation>
    </message>
    <message>
        <location filename="../cli/main.cpp" line="+42"/>
        <source>the editor&apos;s components are not installed (--engine converts RTF to html without them)</source>
        <translation>los componentes del editor no están instalados (--engine convierte RTF en html sin ellos)</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <location filename="../app/main.cpp" line="+49"/>
        <source>Write formatted forum posts and copy them as HTML.</source>
        <translation>Escriba mensajes de foro con formato y cópielos como HTML.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>An RTF document to open.</source>
        <translation>Un documento RTF que abrir.</translation>
    </message>
    <message>
        <location filename="../cli/via_editor_main.cpp" line="+77"/>
        <source>The web page could not be read.</source>
        <translation>No se pudo leer la página web.</translation>
    </message>
</context>
<context>
    <name>quillmark::AboutBox</name>
    <message>
        <location filename="../editor/AboutBox.cpp" line="+35"/>
        <source>About Quillmark</source>
        <translation>Acerca de Quillmark</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Closes the About box</source>
        <translation>Cierra el cuadro Acerca de</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Quillmark Version %1.%2.%3</source>
        <translation>Quillmark versión %1.%2.%3</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Formatted forum posts from rich text. © Norvane.</source>
        <translation>Mensajes de foro con formato a partir de texto enriquecido. © Norvane.</translation>
    </message>
</context>
<context>
    <name>quillmark::DocumentState</name>
    <message>
        <location filename="../editor/writing/DocumentState.cpp" line="-45"/>
        <source>Untitled</source>
        <translation>Sin título</translation>
    </message>
</context>
<context>
    <name>quillmark::FindBar</name>
    <message>
        <location filename="../editor/writing/FindBar.cpp" line="+38"/>
        <source>&amp;Match case</source>
        <translation>Distinguir &amp;mayúsculas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Whole w&amp;ords</source>
        <translation>Palabras &amp;completas</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Next</source>
        <translation>&amp;Siguiente</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Previous</source>
        <translation>A&amp;nterior</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Close (Esc)</source>
        <translation>Cerrar (Esc)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Fin&amp;d:</source>
        <translation>&amp;Buscar:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Find</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The text to look for; Enter finds the next match, Shift+Enter the previous one</source>
        <translation>El texto que se busca; Enter busca la siguiente coincidencia, y Shift+Enter la anterior</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Finds the next match</source>
        <translation>Busca la siguiente coincidencia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Finds the match before</source>
        <translation>Busca la coincidencia anterior</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Finds only text with the same capital letters</source>
        <translation>Busca solo el texto con las mismas mayúsculas y minúsculas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Finds only whole words</source>
        <translation>Busca solo palabras completas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Find result</source>
        <translation>Resultado de la búsqueda</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Close the find bar</source>
        <translation>Cerrar la barra de búsqueda</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Closes the find bar and returns to the document</source>
        <translation>Cierra la barra de búsqueda y vuelve al documento</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Rep&amp;lace</source>
        <translation>&amp;Reemplazar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Repla&amp;ce All</source>
        <translation>Reemplazar to&amp;do</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Replace w&amp;ith:</source>
        <translation>Reemplazar &amp;por:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Replace with</source>
        <translation>Reemplazar por</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The text that replaces a match; Enter replaces</source>
        <translation>El texto que reemplaza una coincidencia; Enter reemplaza</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Replaces the match and finds the next one</source>
        <translation>Reemplaza la coincidencia y busca la siguiente</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Replaces every match in the document</source>
        <translation>Reemplaza todas las coincidencias del documento</translation>
    </message>
    <message>
        <location line="+54"/>
        <location line="+65"/>
        <source>“%1” was not found.</source>
        <translation>No se encontró «%1».</translation>
    </message>
    <message>
        <location line="-62"/>
        <source>Continued from the end.</source>
        <translation>Se ha continuado desde el final.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Continued from the top.</source>
        <translation>Se ha continuado desde el principio.</translation>
    </message>
    <message>
        <location line="+63"/>
        <source>Replaced 1 match.</source>
        <translation>Se ha reemplazado 1 coincidencia.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Replaced %1 matches.</source>
        <translation>Se han reemplazado %1 coincidencias.</translation>
    </message>
</context>
<context>
    <name>quillmark::QuillmarkMain</name>
    <message>
        <location filename="../editor/CopyToWeb.cpp" line="+68"/>
        <source>Copying the post...</source>
        <translation>Copiando el mensaje...</translation>
    </message>
    <message>
        <location line="+23"/>
        <location line="+21"/>
        <source>Copied %1; Copy Next Part (Ctrl+Alt+C) copies the next</source>
        <translation>Copiada %1; Copiar la parte siguiente (Ctrl+Alt+C) copia la siguiente</translation>
    </message>
    <message>
        <location line="-18"/>
        <source>Copied %1</source>
        <translation>Copiados %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>No part is left to copy: Copy to Web copies the post</source>
        <translation>No queda ninguna parte por copiar: Copiar para la Web copia el mensaje</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>part %1 of %2 (%3 characters)</source>
        <translation>parte %1 de %2 (%3 caracteres)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Copied %1, the last</source>
        <translation>Copiada %1, la última</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Converting the clipboard...</source>
        <translation>Convirtiendo el portapapeles...</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The clipboard holds no text to convert</source>
        <translation>El portapapeles no contiene texto que convertir</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Converted the clipboard to %1</source>
        <translation>Portapapeles convertido en %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The clipboard holds no text to paste</source>
        <translation>El portapapeles no contiene texto que pegar</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Pasting the forum post...</source>
        <translation>Pegando el mensaje de foro...</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Pasted the clipboard as a post in %1</source>
        <translation>Portapapeles pegado como mensaje en %1</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>The forum &quot;Copy to Web&quot; writes the post for</source>
        <translation>El foro para el que &quot;Copiar para la Web&quot; escribe el mensaje</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Choose the forum, and so the format, of the post</source>
        <translation>Elige el foro del mensaje y, con él, su formato</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+11"/>
        <source>Copy the post to the clipboard as %1 (Ctrl+Shift+C)</source>
        <translation>Copia el mensaje al portapapeles como %1 (Ctrl+Shift+C)</translation>
    </message>
    <message>
        <location filename="../editor/DocumentCommands.cpp" line="+48"/>
        <source>Confirm Delete</source>
        <translation>Confirmar eliminación</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Are you sure you want to delete all text and start over?</source>
        <translation>¿Está seguro de que desea borrar todo el texto y empezar de nuevo?</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>The draft could not be restored.

%1</source>
        <translation>No se pudo restaurar el borrador.

%1</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Open Quillmark File</source>
        <translation>Abrir archivo de Quillmark</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>&quot;%1&quot; is not complete.

%2</source>
        <translation>«%1» no está completo.

%2</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+19"/>
        <source>Could not open &quot;%1&quot;.

%2</source>
        <translation>No se pudo abrir &quot;%1&quot;.

%2</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Opening %1...</source>
        <translation>Abriendo %1...</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Opened %1 as %2</source>
        <translation>Se ha abierto %1 como %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>plain text</source>
        <translation>texto sin formato</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Documents and posts (*.rtf *.odt *.docx *.html *.htm *.bbcode *.txt *.md);;RTF documents (*.rtf);;Word processor documents (*.odt *.docx);;Web pages (*.html *.htm);;Forum posts (*.bbcode *.txt *.md)</source>
        <translation>Documentos y mensajes (*.rtf *.odt *.docx *.html *.htm *.bbcode *.txt *.md);;Documentos RTF (*.rtf);;Documentos de procesador de textos (*.odt *.docx);;Páginas web (*.html *.htm);;Mensajes de foro (*.bbcode *.txt *.md)</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Could not save &quot;%1&quot;.

%2</source>
        <translation>No se pudo guardar &quot;%1&quot;.

%2</translation>
    </message>
    <message>
        <location line="+62"/>
        <source>Could not find associated Browser</source>
        <translation>No se encontró el navegador asociado</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Web Page not Opened</source>
        <translation>No se abrió la página web</translation>
    </message>
    <message>
        <location filename="../editor/FormatCommands.cpp" line="+75"/>
        <source>Picture from Address</source>
        <translation>Imagen desde dirección</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>&quot;%1&quot; is no font size: type a number of points, such as 12.</source>
        <translation>«%1» no es un tamaño de fuente: escriba un número de puntos, por ejemplo 12.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Fixed Columns</source>
        <translation>Columnas fijas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A table&apos;s cells hold text only: a fixed-columns block goes outside the table. Convert Table to Text makes the table one.</source>
        <translation>Las celdas de una tabla solo contienen texto: un bloque de columnas fijas va fuera de la tabla. Convertir tabla en texto convierte la tabla en uno.</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>Link</source>
        <translation>Enlace</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Link address (empty for no link):</source>
        <translation>Dirección del enlace (vacía para quitar el enlace):</translation>
    </message>
    <message>
        <location filename="../editor/QuillmarkMain.cpp" line="+107"/>
        <source>Copy to Web</source>
        <translation>Copiar para la Web</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Copy the post to the clipboard as HTML (Ctrl+Shift+C)</source>
        <translation>Copia el mensaje al portapapeles como HTML (Ctrl+Shift+C)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Copy Ne&amp;xt Part</source>
        <translation>Copiar la parte si&amp;guiente</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Copy the next part of the post (Ctrl+Alt+C)</source>
        <translation>Copiar la parte siguiente del mensaje (Ctrl+Alt+C)</translation>
    </message>
    <message>
        <location line="+208"/>
        <source>The draft could not be kept: %1</source>
        <translation>No se pudo conservar el borrador: %1</translation>
    </message>
    <message>
        <location line="+88"/>
        <source>&amp;Recent Files</source>
        <translation>Archivos &amp;recientes</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>&amp;Spelling</source>
        <translation>&amp;Ortografía</translation>
    </message>
    <message>
        <location filename="../editor/TableCommands.cpp" line="+21"/>
        <source>Insert Table</source>
        <translation>Insertar tabla</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A table cannot stand inside a fixed-columns block: put the cursor after its {End Fixed} line.</source>
        <translation>Una tabla no puede estar dentro de un bloque de columnas fijas: ponga el cursor después de su línea {End Fixed}.</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Convert Text to Table</source>
        <translation>Convertir texto en tabla</translation>
    </message>
</context>
<context>
    <name>quillmark::Spelling</name>
    <message>
        <location filename="../editor/spelling/Spelling.cpp" line="+82"/>
        <source>(No Suggestions)</source>
        <translation>(Sin sugerencias)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Add to Dictionary</source>
        <translation>&amp;Añadir al diccionario</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Ignore All</source>
        <translation>&amp;Ignorar todo</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Check &amp;Spelling</source>
        <translation>&amp;Revisar ortografía</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>No Dictionaries Installed</source>
        <translation>No hay diccionarios instalados</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>In use: %1</source>
        <translation>En uso: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>In use: none (checking is off)</source>
        <translation>En uso: ninguno (la revisión está desactivada)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Spelling &amp;Language</source>
        <translation>&amp;Idioma de la ortografía</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Installed dictionaries:</source>
        <translation>Diccionarios instalados:</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Other languages: install their Hunspell dictionary (hunspell-de-de, hunspell-fr, ...)</source>
        <translation>Otros idiomas: instale su diccionario Hunspell (hunspell-de-de, hunspell-fr, ...)</translation>
    </message>
</context>
<context>
    <name>quillmark::help::HelpWindow</name>
    <message>
        <location filename="../editor/help/HelpWindow.cpp" line="+86"/>
        <location line="+88"/>
        <source>Contents</source>
        <translation>Contenido</translation>
    </message>
    <message>
        <location line="-87"/>
        <source>Writing a post, step by step</source>
        <translation>Escribir un mensaje paso a paso</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Toolbars and menus</source>
        <translation>Barras de herramientas y menús</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Formatting text</source>
        <translation>Dar formato al texto</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tables</source>
        <translation>Tablas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fixed columns</source>
        <translation>Columnas fijas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>What Copy to Web produces</source>
        <translation>Qué produce Copiar para la Web</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Forums, formats and links</source>
        <translation>Foros, formatos y enlaces</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The preview and the length gauge</source>
        <translation>La vista previa y el indicador de longitud</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Finding, replacing and spelling</source>
        <translation>Buscar, reemplazar y revisar la ortografía</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Opening and saving files</source>
        <translation>Abrir y guardar archivos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Web sites and your browser</source>
        <translation>Los sitios web y su navegador</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Keyboard shortcuts</source>
        <translation>Atajos de teclado</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>Quillmark Help</source>
        <translation>Ayuda de Quillmark</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Type a word to search for</source>
        <translation>Escriba una palabra para buscar</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>The guide&apos;s pages; Enter opens the chosen one</source>
        <translation>Las páginas de la guía; Enter abre la elegida</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Search the guide</source>
        <translation>Buscar en la guía</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The words to find in the guide&apos;s pages</source>
        <translation>Las palabras que se buscan en las páginas de la guía</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pages found</source>
        <translation>Páginas encontradas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The pages that hold every word; Enter opens one</source>
        <translation>Las páginas que contienen todas las palabras; Enter abre una</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Guide page</source>
        <translation>Página de la guía</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Contents and search</source>
        <translation>Contenido y búsqueda</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Contents</source>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Search</source>
        <translation>&amp;Buscar</translation>
    </message>
    <message>
        <location line="+72"/>
        <source>Nothing matches “%1”.</source>
        <translation>No hay coincidencias con “%1”.</translation>
    </message>
</context>
<context>
    <name>quillmark::preview::LengthGauge</name>
    <message>
        <location filename="../editor/preview/LengthGauge.cpp" line="+2"/>
        <source>Post length</source>
        <translation>Longitud del mensaje</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>%1 (near the limit)</source>
        <translation>%1 (cerca del límite)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 (over by %2)</source>
        <translation>%1 (%2 de más)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1 characters; this forum takes posts of any length</source>
        <translation>%1 caracteres; este foro admite mensajes de cualquier longitud</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 of the %2 characters this forum takes: near the limit</source>
        <translation>%1 de los %2 caracteres que admite este foro: cerca del límite</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 characters, %2 more than the %3 this forum takes: over the limit</source>
        <translation>%1 caracteres, %2 más de los %3 que admite este foro: por encima del límite</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 of the %2 characters this forum takes</source>
        <translation>%1 de los %2 caracteres que admite este foro</translation>
    </message>
</context>
<context>
    <name>quillmark::preview::Preview</name>
    <message>
        <location filename="../editor/preview/Preview.cpp" line="+211"/>
        <source>The post was copied. Its text holds &quot;%1&quot;, which an html forum reads as HTML, not as text: a tag formats the text after it (or is dropped), and a character reference such as &amp;lt; shows as the character it names. The forum will show the post differently from the document.

To show such text as typed, post it to a forum that takes BBCode or Markdown, or write &amp;lt; for each &lt; and &amp;amp; for each &amp;.</source>
        <translation>El mensaje se copió. Su texto contiene «%1», que un foro html lee como HTML, no como texto: una etiqueta da formato al texto que la sigue (o se descarta), y una referencia de carácter como &amp;lt; se muestra como el carácter que nombra. El foro mostrará el mensaje de forma distinta al documento.

Para mostrar ese texto tal como se escribió, publíquelo en un foro que admita BBCode o Markdown, o escriba &amp;lt; por cada &lt; y &amp;amp; por cada &amp;.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The post was copied, but it does not match the document: %1.

Check the post before you send it. This is a fault in Quillmark; please report it.</source>
        <translation>El mensaje se copió, pero no coincide con el documento: %1.

Revise el mensaje antes de enviarlo. Se trata de un fallo de Quillmark; por favor, notifíquelo.</translation>
    </message>
</context>
<context>
    <name>quillmark::preview::PreviewPanel</name>
    <message>
        <location filename="../editor/preview/PreviewPanel.cpp" line="+44"/>
        <location line="+38"/>
        <location line="+3"/>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>Markup</source>
        <translation>Marcado</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The post as the forum shows it, and its markup</source>
        <translation>El mensaje tal como lo muestra el foro, y su marcado</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>What the forum does not show</source>
        <translation>Lo que el foro no muestra</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Preview of the post</source>
        <translation>Vista previa del mensaje</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The post as the chosen forum shows it</source>
        <translation>El mensaje tal como lo muestra el foro elegido</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Markup of the post</source>
        <translation>Marcado del mensaje</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Exactly what Copy to Web puts on the clipboard</source>
        <translation>Exactamente lo que Copiar para la Web pone en el portapapeles</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Preview and markup</source>
        <translation>Vista previa y marcado</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ctrl+Tab changes between the preview and the markup</source>
        <translation>Ctrl+Tab cambia entre la vista previa y el marcado</translation>
    </message>
    <message>
        <location line="+58"/>
        <source>Updating the preview…</source>
        <translation>Actualizando la vista previa…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Part %1 of %2 is on the clipboard</source>
        <translation>La parte %1 de %2 está en el portapapeles</translation>
    </message>
</context>
<context>
    <name>quillmark::richtext::RichTextBox</name>
    <message>
        <location filename="../editor/richtext/RichTextBox.cpp" line="+416"/>
        <source>Opening %1...</source>
        <translation>Abriendo %1...</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>The file ends in the middle of its document: it may have been cut short. What it holds is shown; the rest is missing from the file.</source>
        <translation>El archivo termina en mitad de su documento: puede que se haya truncado. Se muestra lo que contiene; el resto falta en el archivo.</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Saving %1...</source>
        <translation>Guardando %1...</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Pasting...</source>
        <translation>Pegando...</translation>
    </message>
    <message>
        <location filename="../editor/richtext/RichTextBoxStructures.cpp" line="+252"/>
        <source>&quot;%1&quot; is no address of a picture on the web: a picture&apos;s address starts with http:// or https://.</source>
        <translation>«%1» no es la dirección de una imagen en la web: la dirección de una imagen empieza por http:// o https://.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>A table&apos;s cells hold text only: a picture goes outside the table.</source>
        <translation>Las celdas de una tabla solo contienen texto: una imagen va fuera de la tabla.</translation>
    </message>
    <message>
        <location line="+98"/>
        <source>Picture</source>
        <translation>Imagen</translation>
    </message>
    <message>
        <location filename="../editor/richtext/RichTextBoxTables.cpp" line="+324"/>
        <source>The selection is in a table already.</source>
        <translation>La selección ya está en una tabla.</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>The fixed-columns block has no beginning.</source>
        <translation>El bloque de columnas fijas no tiene comienzo.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The fixed-columns block holds no lines.</source>
        <translation>El bloque de columnas fijas no contiene líneas.</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Select the lines to make a table of, or put the insertion point in a fixed-columns block.</source>
        <translation>Seleccione las líneas con las que hacer una tabla, o ponga el punto de inserción en un bloque de columnas fijas.</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>A table&apos;s cells hold text only, and the lines hold a picture.</source>
        <translation>Las celdas de una tabla solo contienen texto, y las líneas contienen una imagen.</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>The lines hold no text to make a table of.</source>
        <translation>Las líneas no contienen texto con el que crear una tabla.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>A table holds at most %1 rows; the lines are %2.</source>
        <translation>Una tabla admite como máximo %1 filas; las líneas son %2.</translation>
    </message>
</context>
<context>
    <name>quillmark::web::ForumsDialog</name>
    <message>
        <location filename="../editor/web/ForumsDialog.cpp" line="+30"/>
        <source>Forums</source>
        <translation>Foros</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Forum profiles</source>
        <translation>Perfiles de foro</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The profile chosen here shows in the fields beside it</source>
        <translation>El perfil elegido aquí se muestra en los campos de al lado</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>No limit</source>
        <translation>Sin límite</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> characters</source>
        <translation> caracteres</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Forum shows &amp;tables</source>
        <translation>El foro muestra &amp;tablas</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Without tables, a table is posted as a code block of lined-up columns</source>
        <translation>Sin tablas, una tabla se publica como un bloque de código con las columnas alineadas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Number the &amp;parts of a long post</source>
        <translation>Numerar las &amp;partes de un mensaje largo</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>A post longer than the forum takes is copied in parts, each ending with its number, as &quot;(1/3)&quot;</source>
        <translation>Un mensaje más largo de lo que admite el foro se copia en partes, cada una terminada en su número, como &quot;(1/3)&quot;</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The profile&apos;s name, as &quot;Post as:&quot; lists it</source>
        <translation>El nombre del perfil, tal como aparece en &quot;Publicar como:&quot;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The forum&apos;s web address</source>
        <translation>La dirección web del foro</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The markup the forum reads</source>
        <translation>El marcado que lee el foro</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The longest post the forum takes, in characters</source>
        <translation>El mensaje más largo que admite el foro, en caracteres</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Longest post</source>
        <translation>Mensaje más largo</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Name:</source>
        <translation>&amp;Nombre:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Address:</source>
        <translation>&amp;Dirección:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Format:</source>
        <translation>&amp;Formato:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Longest post:</source>
        <translation>Mensaje más &amp;largo:</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>A&amp;dd</source>
        <translation>&amp;Añadir</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Keep Changes</source>
        <translation>&amp;Guardar cambios</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Remove</source>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Adds an empty profile for the markup chosen from its menu</source>
        <translation>Añade un perfil vacío para el marcado elegido en su menú</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Keeps the changes to the chosen profile</source>
        <translation>Guarda los cambios del perfil elegido</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Removes the chosen profile</source>
        <translation>Quita el perfil elegido</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>%1 (built in)</source>
        <translation>%1 (predefinido)</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>New forum</source>
        <translation>Foro nuevo</translation>
    </message>
</context>
</TS>
