<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>Accessibility</name>
    <message>
        <location filename="../editor/Accessibility.cpp" line="+42"/>
        <source>Opens the user guide</source>
        <translation>Öffnet die Hilfe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Makes the paragraphs a bulleted list</source>
        <translation>Macht die Absätze zu einer Liste mit Aufzählungszeichen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Makes the paragraphs a numbered list</source>
        <translation>Macht die Absätze zu einer nummerierten Liste</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Indents the paragraphs further</source>
        <translation>Rückt die Absätze weiter ein</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Indents the paragraphs less</source>
        <translation>Rückt die Absätze weniger weit ein</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Chooses the colour of the text</source>
        <translation>Wählt die Farbe des Textes</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Inserts a block of fixed-width text for columns</source>
        <translation>Fügt einen Block mit Text in fester Zeichenbreite für Spalten ein</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Opens %1 in the browser</source>
        <translation>Öffnet %1 im Browser</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>More tools</source>
        <translation>Weitere Werkzeuge</translation>
    </message>
    <message>
        <location line="+128"/>
        <source>Menu bar</source>
        <translation>Menüleiste</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>More menus</source>
        <translation>Weitere Menüs</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Document</source>
        <translation>Dokument</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The post being written. Ctrl+Tab leaves it; F6 moves to the find bar and the preview</source>
        <translation>Der Beitrag, den Sie schreiben. Ctrl+Tab verlässt ihn; F6 wechselt zur Suchleiste und zur Vorschau</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Status</source>
        <translation>Status</translation>
    </message>
</context>
<context>
    <name>DocumentFile</name>
    <message>
        <location filename="../editor/richtext/DocumentFile.cpp" line="+49"/>
        <source>The file does not exist.</source>
        <translation>Die Datei existiert nicht.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>It is a folder, not a file.</source>
        <translation>Es handelt sich um einen Ordner, nicht um eine Datei.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>It is not an ordinary file.</source>
        <translation>Es handelt sich nicht um eine gewöhnliche Datei.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The file is too large to open (%1); Quillmark opens files of up to %2.</source>
        <translation>Die Datei ist zu groß zum Öffnen (%1); Quillmark öffnet Dateien bis %2.</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>The file changed while it was being read, so nothing of it was opened. Open it again once the program writing it has finished.</source>
        <translation>Die Datei wurde während des Lesens geändert, daher wurde nichts davon geöffnet. Öffnen Sie sie erneut, sobald das Programm, das sie schreibt, fertig ist.</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>The link leads round in a circle, or through too many links.</source>
        <translation>Die Verknüpfung führt im Kreis oder über zu viele Verknüpfungen.</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>The file is empty.</source>
        <translation>Die Datei ist leer.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>a ZIP archive (as .docx and .odt documents are)</source>
        <translation>ein ZIP-Archiv (wie .docx- und .odt-Dokumente)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>an older word processor&apos;s document (.doc)</source>
        <translation>ein Dokument einer älteren Textverarbeitung (.doc)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>a PDF document</source>
        <translation>ein PDF-Dokument</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>a web page (HTML)</source>
        <translation>eine Webseite (HTML)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>plain text</source>
        <translation>reinen Text</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../editor/richtext/RtfReader.cpp" line="+1200"/>
        <source>The file is not an RTF document.</source>
        <translation>Die Datei ist kein RTF-Dokument.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The file holds %1, not an RTF document.</source>
        <translation>Die Datei enthält %1, kein RTF-Dokument.</translation>
    </message>
</context>
<context>
    <name>DocumentState</name>
    <message>
        <location filename="../editor/writing/DocumentState.cpp" line="+68"/>
        <source>Save changes to %1?</source>
        <translation>Änderungen an %1 speichern?</translation>
    </message>
</context>
<context>
    <name>DraftKeeper</name>
    <message>
        <location filename="../editor/writing/DraftKeeper.cpp" line="+71"/>
        <source>Quillmark found a post that was not saved (%1). Restore it?</source>
        <translation>Quillmark hat einen nicht gespeicherten Beitrag gefunden (%1). Wiederherstellen?</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>The folder %1 cannot be made.</source>
        <translation>Der Ordner %1 kann nicht angelegt werden.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>No draft file can be locked in %1.</source>
        <translation>In %1 lässt sich keine Entwurfsdatei sperren.</translation>
    </message>
</context>
<context>
    <name>LengthGauge</name>
    <message>
        <location filename="../editor/preview/LengthGauge.cpp" line="+28"/>
        <source>The post&apos;s length as the forum counts it, and the longest post it takes</source>
        <translation>Die Länge des Beitrags, wie das Forum sie zählt, und die maximale Beitragslänge des Forums</translation>
    </message>
</context>
<context>
    <name>Loss</name>
    <message>
        <location filename="../editor/post/PostBuilder.cpp" line="+38"/>
        <source>bold</source>
        <translation>fett</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>italic</source>
        <translation>kursiv</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>underline</source>
        <translation>unterstrichen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>strike-through</source>
        <translation>durchgestrichen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>superscript</source>
        <translation>hochgestellt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>subscript</source>
        <translation>tiefgestellt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>colour</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>size</source>
        <translation>Schriftgröße</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>face</source>
        <translation>Schriftart</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>centre</source>
        <translation>zentriert</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>right</source>
        <translation>rechtsbündig</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>list item</source>
        <translation>Listenpunkt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>fixed columns</source>
        <translation>feste Spalten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>line break</source>
        <translation>Zeilenumbruch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>link</source>
        <translation>Link</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>heading</source>
        <translation>Überschrift</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>quote</source>
        <translation>Zitat</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>rule</source>
        <translation>Trennlinie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>picture</source>
        <translation>Bild</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>picture text</source>
        <translation>Bildtext</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>numbered list</source>
        <translation>nummerierte Liste</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>list start</source>
        <translation>Listenbeginn</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>table</source>
        <translation>Tabelle</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>quote source</source>
        <translation>Quellenangabe des Zitats</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>inline code</source>
        <translation>Code im Text</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>code language</source>
        <translation>Sprache des Codeblocks</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>task box</source>
        <translation>Aufgabenkästchen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>justify</source>
        <translation>Blocksatz</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>markup of another format</source>
        <translation>Auszeichnung eines anderen Formats</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>spoiler</source>
        <translation>Spoiler</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1 run</source>
        <translation>%1 Textstelle</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 runs</source>
        <translation>%1 Textstellen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 part</source>
        <translation>%1 Teil</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 parts</source>
        <translation>%1 Teile</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 paragraph</source>
        <translation>%1 Absatz</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 paragraphs</source>
        <translation>%1 Absätze</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 item</source>
        <translation>%1 Punkt</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 items</source>
        <translation>%1 Punkte</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 block</source>
        <translation>%1 Block</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 blocks</source>
        <translation>%1 Blöcke</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 break</source>
        <translation>%1 Umbruch</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 breaks</source>
        <translation>%1 Umbrüche</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 link</source>
        <translation>%1 Link</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 links</source>
        <translation>%1 Links</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 heading</source>
        <translation>%1 Überschrift</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 headings</source>
        <translation>%1 Überschriften</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 quote</source>
        <translation>%1 Zitat</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 quotes</source>
        <translation>%1 Zitate</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 rule</source>
        <translation>%1 Trennlinie</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 rules</source>
        <translation>%1 Trennlinien</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 picture</source>
        <translation>%1 Bild</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 pictures</source>
        <translation>%1 Bilder</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 list</source>
        <translation>%1 Liste</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 lists</source>
        <translation>%1 Listen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 table</source>
        <translation>%1 Tabelle</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 tables</source>
        <translation>%1 Tabellen</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>centring</source>
        <translation>Zentrierung</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>right alignment</source>
        <translation>rechtsbündige Ausrichtung</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>tables</source>
        <translation>Tabellen</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>table: shown as a code block</source>
        <translation>Tabelle: als Codeblock dargestellt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>table: %1 shown as code blocks</source>
        <translation>Tabelle: %1 als Codeblöcke dargestellt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <location line="+118"/>
        <source>tables (1 shown as a code block)</source>
        <translation>Tabellen (1 als Codeblock dargestellt)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>tables (%1 shown as code blocks)</source>
        <translation>Tabellen (%1 als Codeblöcke dargestellt)</translation>
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
        <translation>Zum Öffnen von .odt- und .docx-Dokumenten wird LibreOffice Writer benötigt, das nicht installiert ist. Installieren Sie das Paket %1 und öffnen Sie das Dokument erneut.</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>LibreOffice did not finish reading the document within %1 seconds.</source>
        <translation>LibreOffice hat das Dokument nicht innerhalb von %1 Sekunden gelesen.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>LibreOffice could not read the document: it may be damaged, or of a kind LibreOffice Writer does not open.</source>
        <translation>LibreOffice konnte das Dokument nicht lesen: Es ist vielleicht beschädigt oder von einer Art, die LibreOffice Writer nicht öffnet.</translation>
    </message>
</context>
<context>
    <name>Post</name>
    <message>
        <location filename="../editor/post/PostBuilder.cpp" line="-57"/>
        <source>%1 characters as %2</source>
        <translation>%1 Zeichen als %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source> (%1 characters longer than the %2 %3 takes)</source>
        <translation> (%1 Zeichen mehr als die %2, die %3 annimmt)</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+15"/>
        <source>; not shown there: %1</source>
        <translation>; dort nicht dargestellt: %1</translation>
    </message>
    <message>
        <location line="-7"/>
        <source>part %1 of %2 (%3 characters) as %4</source>
        <translation>Teil %1 von %2 (%3 Zeichen) als %4</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>——— Part %1 of %2 ———</source>
        <translation>——— Teil %1 von %2 ———</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>This forum does not show: %1</source>
        <translation>In diesem Forum nicht darstellbar: %1</translation>
    </message>
    <message>
        <location filename="../editor/preview/PreviewContent.cpp" line="+186"/>
        <source>Part %1 of %2</source>
        <translation>Teil %1 von %2</translation>
    </message>
</context>
<context>
    <name>Preview</name>
    <message>
        <location line="-59"/>
        <source>[picture: %1]</source>
        <translation>[Bild: %1]</translation>
    </message>
</context>
<context>
    <name>QtPlatform</name>
    <message>
        <location filename="../editor/QtPlatform.cpp" line="+100"/>
        <source>&amp;Restore</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <location line="-17"/>
        <location line="+18"/>
        <source>&amp;Discard</source>
        <translation>&amp;Verwerfen</translation>
    </message>
    <message>
        <location line="-19"/>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <location line="+76"/>
        <source>Open Forum Post</source>
        <translation>Forenbeitrag öffnen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&quot;%1&quot; holds BBCode that several forums write.
Read it as the BBCode of:</source>
        <translation>„%1“ enthält BBCode, wie ihn mehrere Foren schreiben.
Lesen als BBCode von:</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Picture from Address</source>
        <translation>Bild von Webadresse</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The picture&apos;s web address, starting https:// or http://</source>
        <translation>Die Webadresse des Bildes, beginnend mit https:// oder http://</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The words that stand for the picture</source>
        <translation>Die Wörter, die für das Bild stehen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Picture&apos;s &amp;address:</source>
        <translation>&amp;Adresse des Bildes:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Alternative &amp;text:</source>
        <translation>Alternativ&amp;text:</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Insert Table</source>
        <translation>Tabelle einfügen</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>First row is a &amp;header</source>
        <translation>Erste Zeile ist &amp;Kopfzeile</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>How many rows the table has</source>
        <translation>Wie viele Zeilen die Tabelle hat</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>How many columns the table has</source>
        <translation>Wie viele Spalten die Tabelle hat</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The first row heads the columns</source>
        <translation>Die erste Zeile enthält die Überschriften der Spalten</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Rows</source>
        <translation>Zeilen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Columns</source>
        <translation>Spalten</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Rows:</source>
        <translation>&amp;Zeilen:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Columns:</source>
        <translation>&amp;Spalten:</translation>
    </message>
</context>
<context>
    <name>Quote</name>
    <message>
        <location filename="../editor/post/PostDocument.cpp" line="+564"/>
        <source>Quote</source>
        <translation>Zitat</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 wrote:</source>
        <extracomment>A quote&apos;s title line in the document: %1 is the name of who wrote the quoted post.</extracomment>
        <translation>%1 schrieb:</translation>
    </message>
</context>
<context>
    <name>RecentFiles</name>
    <message>
        <location filename="../editor/writing/RecentFiles.cpp" line="+75"/>
        <source>No Recent Files</source>
        <translation>Keine zuletzt verwendeten Dateien</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>&amp;Clear Recent Files</source>
        <translation>Liste &amp;leeren</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 is no longer in %2. It was taken off the recent files.</source>
        <translation>%1 befindet sich nicht mehr in %2. Die Datei wurde aus der Liste der zuletzt verwendeten Dateien entfernt.</translation>
    </message>
</context>
<context>
    <name>Tool</name>
    <message>
        <location filename="../editor/ToolTable.cpp" line="+79"/>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Creates a new, blank file</source>
        <translation>Erstellt eine neue, leere Datei</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Opens or finds a file</source>
        <translation>Sucht und öffnet eine Datei</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Saves current active file</source>
        <translation>Speichert die aktive Datei</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Saves the document under a new name</source>
        <translation>Speichert das Dokument unter einem neuen Namen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Print current file</source>
        <translation>Druckt die aktuelle Datei</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Close all documents and exit</source>
        <translation>Schließt alle Dokumente und beendet das Programm</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>C&amp;ut</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Cut current selection to clipboard</source>
        <translation>Schneidet die Markierung aus und legt sie in die Zwischenablage</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>C&amp;opy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Copy current selection to clipboard</source>
        <translation>Kopiert die Markierung in die Zwischenablage</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Paste clipboard contents into document</source>
        <translation>Fügt den Inhalt der Zwischenablage in das Dokument ein</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Paste Forum Pos&amp;t</source>
        <translation>&amp;Forenbeitrag einfügen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Paste Forum Post</source>
        <translation>Forenbeitrag einfügen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Paste the forum post on the clipboard as formatted text</source>
        <translation>Fügt den Forenbeitrag aus der Zwischenablage als formatierten Text ein</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Un&amp;do</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Undoes the last change</source>
        <translation>Macht die letzte Änderung rückgängig</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Redo</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Makes the change undone again</source>
        <translation>Stellt die rückgängig gemachte Änderung wieder her</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Select &amp;All</source>
        <translation>Alles &amp;markieren</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Select All</source>
        <translation>Alles markieren</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Selects the whole document</source>
        <translation>Markiert das gesamte Dokument</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Find...</source>
        <translation>&amp;Suchen...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Finds text in the document</source>
        <translation>Sucht Text im Dokument</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Find &amp;Next</source>
        <translation>Weitersuche&amp;n</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Find Next</source>
        <translation>Weitersuchen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Finds the next match</source>
        <translation>Sucht die nächste Fundstelle</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>R&amp;eplace...</source>
        <translation>Erset&amp;zen...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Replace</source>
        <translation>Ersetzen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Replaces text in the document</source>
        <translation>Ersetzt Text im Dokument</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+59"/>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <location line="-59"/>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Font Si&amp;ze:</source>
        <translation>Schr&amp;iftgröße:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Font &amp;Size</source>
        <translation>Schrift&amp;größe</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Font Size</source>
        <translation>Schriftgröße</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Change font size</source>
        <translation>Ändert die Schriftgröße</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Bold</source>
        <translation>&amp;Fett</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Bold</source>
        <translation>Fett</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Set current style to bold</source>
        <translation>Formatiert den Text fett</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Italic</source>
        <translation>&amp;Kursiv</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Italic</source>
        <translation>Kursiv</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Set current style to italic</source>
        <translation>Formatiert den Text kursiv</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Underline</source>
        <translation>&amp;Unterstrichen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Underline</source>
        <translation>Unterstrichen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Set current style to underlined</source>
        <translation>Unterstreicht den Text</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Left</source>
        <translation>&amp;Linksbündig</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Left</source>
        <translation>Linksbündig</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Align left</source>
        <translation>Richtet den Text linksbündig aus</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Center</source>
        <translation>&amp;Zentriert</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Center</source>
        <translation>Zentriert</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Align center</source>
        <translation>Zentriert den Text</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Right</source>
        <translation>&amp;Rechtsbündig</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Right</source>
        <translation>Rechtsbündig</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Align right</source>
        <translation>Richtet den Text rechtsbündig aus</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bull&amp;ets</source>
        <translation>&amp;Aufzählungszeichen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Bullets</source>
        <translation>Aufzählungszeichen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nu&amp;mbering</source>
        <translation>&amp;Nummerierung</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Numbering</source>
        <translation>Nummerierung</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Quote</source>
        <translation>Zita&amp;t</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Quote</source>
        <translation>Zitat</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Put the paragraphs in a quote or take them out</source>
        <translation>Macht die Absätze zu einem Zitat oder hebt das Zitat auf</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Heading &amp;1</source>
        <translation>Überschrift &amp;1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Heading 1</source>
        <translation>Überschrift 1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Make the paragraphs a main heading</source>
        <translation>Macht die Absätze zur Hauptüberschrift</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Heading &amp;2</source>
        <translation>Überschrift &amp;2</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Heading 2</source>
        <translation>Überschrift 2</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Make the paragraphs a heading</source>
        <translation>Macht die Absätze zur Überschrift</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Heading &amp;3</source>
        <translation>Überschrift &amp;3</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Heading 3</source>
        <translation>Überschrift 3</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Make the paragraphs a small heading</source>
        <translation>Macht die Absätze zur kleinen Überschrift</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Normal &amp;Text</source>
        <translation>N&amp;ormaler Text</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Normal Text</source>
        <translation>Normaler Text</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Make the paragraphs normal text</source>
        <translation>Macht die Absätze zu normalem Text</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Picture from Address...</source>
        <translation>&amp;Bild von Webadresse...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Picture from Address</source>
        <translation>Bild von Webadresse</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Insert a picture from its web address</source>
        <translation>Fügt ein Bild über seine Webadresse ein</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Horizontal &amp;Rule</source>
        <translation>&amp;Horizontale Linie</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Horizontal Rule</source>
        <translation>Horizontale Linie</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Insert a line across the post</source>
        <translation>Fügt eine Linie über die ganze Breite des Beitrags ein</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Table...</source>
        <translation>&amp;Tabelle...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Table</source>
        <translation>Tabelle</translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+1"/>
        <source>Insert a table</source>
        <translation>Fügt eine Tabelle ein</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Insert Table...</source>
        <translation>&amp;Tabelle einfügen...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Insert Table</source>
        <translation>Tabelle einfügen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Insert Row &amp;Above</source>
        <translation>Zeile &amp;oberhalb einfügen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Insert Row Above</source>
        <translation>Zeile oberhalb einfügen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Insert a row above the selected cells</source>
        <translation>Fügt oberhalb der markierten Zellen eine Zeile ein</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Insert Row &amp;Below</source>
        <translation>Zeile &amp;unterhalb einfügen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Insert Row Below</source>
        <translation>Zeile unterhalb einfügen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Insert a row below the selected cells</source>
        <translation>Fügt unterhalb der markierten Zellen eine Zeile ein</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Insert Column &amp;Left</source>
        <translation>Spalte &amp;links einfügen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Insert Column Left</source>
        <translation>Spalte links einfügen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Insert a column left of the selected cells</source>
        <translation>Fügt links von den markierten Zellen eine Spalte ein</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Insert Column &amp;Right</source>
        <translation>Spalte &amp;rechts einfügen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Insert Column Right</source>
        <translation>Spalte rechts einfügen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Insert a column right of the selected cells</source>
        <translation>Fügt rechts von den markierten Zellen eine Spalte ein</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Delete Row</source>
        <translation>&amp;Zeile löschen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Delete Row</source>
        <translation>Zeile löschen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Delete the rows of the selected cells</source>
        <translation>Löscht die Zeilen der markierten Zellen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete &amp;Column</source>
        <translation>&amp;Spalte löschen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Delete Column</source>
        <translation>Spalte löschen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Delete the columns of the selected cells</source>
        <translation>Löscht die Spalten der markierten Zellen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete &amp;Table</source>
        <translation>Tab&amp;elle löschen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Delete Table</source>
        <translation>Tabelle löschen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Delete the whole table</source>
        <translation>Löscht die gesamte Tabelle</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Align Column Le&amp;ft</source>
        <translation>Spalte links&amp;bündig</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Align Column Left</source>
        <translation>Spalte linksbündig</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Align the selected columns left</source>
        <translation>Richtet die markierten Spalten linksbündig aus</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Align Column Ce&amp;nter</source>
        <translation>Spalte ze&amp;ntriert</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Align Column Center</source>
        <translation>Spalte zentriert</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Center the selected columns</source>
        <translation>Zentriert die markierten Spalten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Align Column Ri&amp;ght</source>
        <translation>Spalte rechtsbün&amp;dig</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Align Column Right</source>
        <translation>Spalte rechtsbündig</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Align the selected columns right</source>
        <translation>Richtet die markierten Spalten rechtsbündig aus</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Header Row</source>
        <translation>&amp;Kopfzeile</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Header Row</source>
        <translation>Kopfzeile</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Make the first row the table&apos;s header or a row like the others</source>
        <translation>Macht die erste Zeile zur Kopfzeile der Tabelle oder wieder zu einer normalen Zeile</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Convert Te&amp;xt to Table</source>
        <translation>Te&amp;xt in Tabelle umwandeln</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Convert Text to Table</source>
        <translation>Text in Tabelle umwandeln</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Make a table of the fixed-columns block or the selected lines</source>
        <translation>Macht aus dem Festspaltenblock oder den markierten Zeilen eine Tabelle</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>C&amp;onvert Table to Text</source>
        <translation>T&amp;abelle in Text umwandeln</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Convert Table to Text</source>
        <translation>Tabelle in Text umwandeln</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Make the table a fixed-columns block</source>
        <translation>Macht aus der Tabelle einen Festspaltenblock</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>I&amp;ncrease Indent</source>
        <translation>Einzug &amp;vergrößern</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Increase Indent</source>
        <translation>Einzug vergrößern</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Decrease Indent</source>
        <translation>Einzug verkl&amp;einern</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Decrease Indent</source>
        <translation>Einzug verkleinern</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>C&amp;olor</source>
        <translation>Far&amp;be</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Fixed Columns</source>
        <translation>Feste &amp;Spalten</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Fixed Columns</source>
        <translation>Feste Spalten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lin&amp;k...</source>
        <translation>L&amp;ink...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Link</source>
        <translation>Link</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Make the selection a link to a web address</source>
        <translation>Macht die Markierung zu einem Link auf eine Webadresse</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Con&amp;vert Clipboard</source>
        <translation>Zwischenablage &amp;umwandeln</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Convert Clipboard</source>
        <translation>Zwischenablage umwandeln</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Convert the rich text on the clipboard into a post</source>
        <translation>Wandelt den formatierten Text in der Zwischenablage in einen Beitrag um</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Copy Ne&amp;xt Part</source>
        <translation>Nächsten &amp;Teil kopieren</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Copy Next Part</source>
        <translation>Nächsten Teil kopieren</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Copy the next part of a post too long for its forum</source>
        <translation>Kopiert den nächsten Teil eines Beitrags, der für sein Forum zu lang ist</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Forums...</source>
        <translation>&amp;Foren...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Forums</source>
        <translation>Foren</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Add, change or remove forum profiles</source>
        <translation>Fügt Forenprofile hinzu, ändert oder entfernt sie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Post &amp;as:</source>
        <translation>Beitrag &amp;für:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Post &amp;as</source>
        <translation>Beitrag &amp;für</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Post as</source>
        <translation>Beitrag für</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Choose the forum, and so the format, of the post</source>
        <translation>Wählt das Forum und damit das Format des Beitrags</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Preview</source>
        <translation>&amp;Vorschau</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Shows the post as the forum will show it, and its markup</source>
        <translation>Zeigt den Beitrag so, wie das Forum ihn anzeigt, und seinen Quelltext</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fo&amp;rmat</source>
        <translation>F&amp;ormat</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>In&amp;sert</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ta&amp;ble</source>
        <translation>&amp;Tabelle</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Web</source>
        <translation>&amp;Web</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Tools</source>
        <translation>E&amp;xtras</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Help Contents</source>
        <translation>Inhalt der Hilfe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;About</source>
        <translation>Ü&amp;ber Quillmark</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>About this application</source>
        <translation>Über dieses Programm</translation>
    </message>
    <message>
        <location filename="../editor/web/Sites.h" line="+28"/>
        <source>ScamWatch: warnings about scams aimed at players</source>
        <translation>ScamWatch: Warnungen vor Betrugsmaschen gegen Spieler</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Updates</source>
        <translation>&amp;Updates</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Updates to Quillmark</source>
        <translation>Updates für Quillmark</translation>
    </message>
</context>
<context>
    <name>cli</name>
    <message>
        <location filename="../cli/Files.cpp" line="+93"/>
        <location line="+143"/>
        <source>standard output</source>
        <translation>Standardausgabe</translation>
    </message>
    <message>
        <location line="-73"/>
        <source>cannot read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cannot open %1: %2</source>
        <translation>%1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cannot run %1: %2</source>
        <translation>%1 kann nicht ausgeführt werden: %2</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>standard input</source>
        <translation>Standardeingabe</translation>
    </message>
    <message>
        <location filename="../cli/Options.cpp" line="+34"/>
        <source>write the post in FORMAT (default html), one of the formats below</source>
        <translation>den Beitrag im Format FORMAT schreiben (Standard: html), eines der unten genannten Formate</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>unknown format &apos;%1&apos;; the formats are %2</source>
        <translation>unbekanntes Format &apos;%1&apos;; die Formate sind %2</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>read FILE as a post in FORMAT (a BBCode format or markdown,
UTF-8) instead of RTF, and write --format&apos;s post from it</source>
        <translation>FILE als Beitrag in FORMAT lesen (ein BBCode-Format oder markdown,
UTF-8) statt als RTF, und daraus den Beitrag für --format schreiben</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>--from reads a post: &apos;%1&apos; is none; it takes a BBCode format or markdown</source>
        <translation>--from liest einen Beitrag: &apos;%1&apos; ist kein Beitragsformat; möglich sind ein BBCode-Format oder markdown</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>on standard error, one line per element the format cannot
show, with how many were dropped (&quot;colour: 3 runs&quot;)</source>
        <translation>auf der Standardfehlerausgabe eine Zeile je Element, das das Format
nicht darstellen kann, mit der Zahl der weggelassenen (&quot;colour: 3 runs&quot;)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the converter&apos;s option string (default &quot;+CR+A&quot;); its flags,
which may be combined:
  +CR     a CR-LF after every &lt;br&gt; and &lt;/li&gt;
  +A      hyperlink fields become links (&lt;a href&gt;)
  +F=&lt;n&gt;  font size &lt;n&gt; is the page&apos;s base size and gets no attribute
  -FF     drop font faces</source>
        <translation>die Optionszeichenkette des Konverters (Standard: &quot;+CR+A&quot;); ihre Schalter,
die sich kombinieren lassen:
  +CR     ein CR-LF nach jedem &lt;br&gt; und &lt;/li&gt;
  +A      Hyperlink-Felder werden zu Links (&lt;a href&gt;)
  +F=&lt;n&gt;  Schriftgröße &lt;n&gt; ist die Grundgröße der Seite und erhält kein Attribut
  -FF     Schriftarten weglassen</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>the converter&apos;s output as is, without the &quot;Copy to Web&quot; rewrites
(html only)</source>
        <translation>die Ausgabe des Konverters unverändert, ohne die Umschreibungen von &quot;Fürs Web kopieren&quot;
(nur html)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>convert FILE&apos;s own RTF with the conversion engine alone,
without opening it in the editor first (html only)</source>
        <translation>das RTF von FILE allein mit der Umwandlungsmaschine umwandeln,
ohne es zuerst im Editor zu öffnen (nur html)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>open FILE in the editor first, as is done without --engine</source>
        <translation>FILE zuerst im Editor öffnen, wie es ohne --engine geschieht</translation>
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
        <translation>Aufruf: quillmark-convert [OPTIONS] [FILE]

Schreibt den Beitrag, den &quot;Fürs Web kopieren&quot; für FILE, im Editor geöffnet, in die
Zwischenablage legt: ein RTF-Dokument, eine Webseite oder mit --from ein Forenbeitrag. Mit
--engine wandelt die Umwandlungsmaschine allein das RTF in html um. Liest FILE, ohne FILE
oder bei &quot;-&quot; die Standardeingabe; schreibt UTF-8 auf die Standardausgabe.

Optionen:
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
        <translation>Aufruf: quillmark-convert [OPTIONS] [FILE]

Wandelt ein RTF-Dokument in das kompakte Foren-HTML der Umwandlungsmaschine um. Liest FILE
(Bytes in Windows-1252), ohne FILE oder bei &quot;-&quot; die Standardeingabe; schreibt UTF-8 auf
die Standardausgabe. Mit --from ist FILE ein Forenbeitrag, im Format eines anderen Forums
geschrieben.

Optionen:
</translation>
    </message>
    <message>
        <location line="-26"/>
        <source>write to FILE instead; it is replaced only once all is written</source>
        <translation>stattdessen in FILE schreiben; die Datei wird erst ersetzt, wenn alles geschrieben ist</translation>
    </message>
    <message>
        <location line="-21"/>
        <source>a post longer than its forum takes in parts, each within the
limit and ended by &quot;(1/3)&quot;, &quot;(2/3)&quot;...: with -o FILE in numbered
files (FILE.1.txt...), else one after the other, a line between them</source>
        <translation>einen Beitrag, der länger ist, als sein Forum annimmt, in Teilen, jeder
innerhalb der Grenze und mit &quot;(1/3)&quot;, &quot;(2/3)&quot;... am Ende: mit -o FILE in
nummerierten Dateien (FILE.1.txt...), sonst nacheinander, eine Zeile dazwischen</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>with --split, the longest part, as the forum counts it
(default the forum&apos;s own limit, as it is installed)</source>
        <translation>mit --split die längste Länge eines Teils, wie das Forum sie zählt
(Standard: die Grenze des Forums, wie es installiert wird)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>--limit takes a number of characters: &apos;%1&apos; is none</source>
        <translation>--limit erwartet eine Zahl von Zeichen: &apos;%1&apos; ist keine</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>show this help and exit</source>
        <translation>diese Hilfe anzeigen und beenden</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>show the version and exit</source>
        <translation>die Version anzeigen und beenden</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>end of options: what follows is FILE, even if it starts with &quot;-&quot;</source>
        <translation>Ende der Optionen: was folgt, ist FILE, auch wenn es mit &quot;-&quot; beginnt</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>
Exit status: 0 on success, 1 when the input cannot be read or the output cannot be
written, 2 for a bad command line.
</source>
        <translation>
Exit-Status: 0 bei Erfolg, 1 wenn die Eingabe nicht gelesen oder die Ausgabe nicht
geschrieben werden kann, 2 bei einer fehlerhaften Befehlszeile.
</translation>
    </message>
    <message>
        <location line="+70"/>
        <source>--raw gives HTML only; it takes no other --format</source>
        <translation>--raw liefert nur HTML; es lässt kein anderes --format zu</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>--engine and --via-editor are two ways of reading FILE; give one of them</source>
        <translation>--engine und --via-editor sind zwei Arten, FILE zu lesen; geben Sie eine davon an</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>--engine reads RTF; it takes no --from</source>
        <translation>--engine liest RTF; es lässt kein --from zu</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>--engine gives html only: the other formats are made from the editor&apos;s document</source>
        <translation>--engine liefert nur html: die anderen Formate entstehen aus dem Dokument des Editors</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>--options are the engine&apos;s; they take no other --format</source>
        <translation>--options gehören zur Umwandlungsmaschine; sie lassen kein anderes --format zu</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>--limit goes with --split</source>
        <translation>--limit gehört zu --split</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>--split cuts a post in a forum&apos;s markup: give a --format other than html</source>
        <translation>--split teilt einen Beitrag im Markup eines Forums: geben Sie ein anderes --format als html an</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 has no limit of its own: give --split a --limit</source>
        <translation>%1 hat keine eigene Grenze: geben Sie --split ein --limit mit</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>this build makes html only: the other formats are made from the editor&apos;s document, which it does not have</source>
        <translation>dieser Build erzeugt nur html: die anderen Formate entstehen aus dem Dokument des Editors, das er nicht hat</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Formats:</source>
        <translation>Formate:</translation>
    </message>
    <message>
        <location filename="../cli/main.cpp" line="+42"/>
        <source>the editor&apos;s components are not installed (--engine converts RTF to html without them)</source>
        <translation>die Bestandteile des Editors sind nicht installiert (--engine wandelt RTF ohne sie in html um)</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <location filename="../app/main.cpp" line="+49"/>
        <source>Write formatted forum posts and copy them as HTML.</source>
        <translation>Formatierte Forenbeiträge schreiben und als HTML kopieren.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>An RTF document to open.</source>
        <translation>Ein zu öffnendes RTF-Dokument.</translation>
    </message>
    <message>
        <location filename="../cli/via_editor_main.cpp" line="+77"/>
        <source>The web page could not be read.</source>
        <translation>Die Webseite konnte nicht gelesen werden.</translation>
    </message>
</context>
<context>
    <name>quillmark::AboutBox</name>
    <message>
        <location filename="../editor/AboutBox.cpp" line="+35"/>
        <source>About Quillmark</source>
        <translation>Über Quillmark</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Closes the About box</source>
        <translation>Schließt das Fenster „Über Quillmark“</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Quillmark Version %1.%2.%3</source>
        <translation>Quillmark, Version %1.%2.%3</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Formatted forum posts from rich text. © Norvane.</source>
        <translation>Formatierte Forenbeiträge aus Rich Text. © Norvane.</translation>
    </message>
</context>
<context>
    <name>quillmark::DocumentState</name>
    <message>
        <location filename="../editor/writing/DocumentState.cpp" line="-45"/>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
</context>
<context>
    <name>quillmark::FindBar</name>
    <message>
        <location filename="../editor/writing/FindBar.cpp" line="+38"/>
        <source>&amp;Match case</source>
        <translation>&amp;Groß-/Kleinschreibung beachten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Whole w&amp;ords</source>
        <translation>Nur gan&amp;ze Wörter</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Next</source>
        <translation>&amp;Nächster</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Previous</source>
        <translation>&amp;Vorheriger</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Close (Esc)</source>
        <translation>Schließen (Esc)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Fin&amp;d:</source>
        <translation>&amp;Suchen:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The text to look for; Enter finds the next match, Shift+Enter the previous one</source>
        <translation>Der gesuchte Text; Enter sucht die nächste Fundstelle, Shift+Enter die vorige</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Finds the next match</source>
        <translation>Sucht die nächste Fundstelle</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Finds the match before</source>
        <translation>Sucht die vorige Fundstelle</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Finds only text with the same capital letters</source>
        <translation>Findet nur Text mit derselben Groß- und Kleinschreibung</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Finds only whole words</source>
        <translation>Findet nur ganze Wörter</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Find result</source>
        <translation>Suchergebnis</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Close the find bar</source>
        <translation>Suchleiste schließen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Closes the find bar and returns to the document</source>
        <translation>Schließt die Suchleiste und kehrt zum Dokument zurück</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Rep&amp;lace</source>
        <translation>E&amp;rsetzen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Repla&amp;ce All</source>
        <translation>A&amp;lle ersetzen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Replace w&amp;ith:</source>
        <translation>Ersetzen d&amp;urch:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Replace with</source>
        <translation>Ersetzen durch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The text that replaces a match; Enter replaces</source>
        <translation>Der Text, der eine Fundstelle ersetzt; Enter ersetzt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Replaces the match and finds the next one</source>
        <translation>Ersetzt die Fundstelle und sucht die nächste</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Replaces every match in the document</source>
        <translation>Ersetzt alle Fundstellen im Dokument</translation>
    </message>
    <message>
        <location line="+54"/>
        <location line="+65"/>
        <source>“%1” was not found.</source>
        <translation>„%1“ wurde nicht gefunden.</translation>
    </message>
    <message>
        <location line="-62"/>
        <source>Continued from the end.</source>
        <translation>Vom Ende aus fortgesetzt.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Continued from the top.</source>
        <translation>Vom Anfang aus fortgesetzt.</translation>
    </message>
    <message>
        <location line="+63"/>
        <source>Replaced 1 match.</source>
        <translation>1 Fundstelle ersetzt.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Replaced %1 matches.</source>
        <translation>%1 Fundstellen ersetzt.</translation>
    </message>
</context>
<context>
    <name>quillmark::QuillmarkMain</name>
    <message>
        <location filename="../editor/CopyToWeb.cpp" line="+68"/>
        <source>Copying the post...</source>
        <translation>Beitrag wird kopiert...</translation>
    </message>
    <message>
        <location line="+23"/>
        <location line="+21"/>
        <source>Copied %1; Copy Next Part (Ctrl+Alt+C) copies the next</source>
        <translation>%1 kopiert; „Nächsten Teil kopieren“ (Strg+Alt+C) kopiert den nächsten</translation>
    </message>
    <message>
        <location line="-18"/>
        <source>Copied %1</source>
        <translation>Kopiert: %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>No part is left to copy: Copy to Web copies the post</source>
        <translation>Es ist kein Teil mehr zu kopieren: „Fürs Web kopieren“ kopiert den Beitrag</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>part %1 of %2 (%3 characters)</source>
        <translation>Teil %1 von %2 (%3 Zeichen)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Copied %1, the last</source>
        <translation>%1 kopiert, der letzte</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Converting the clipboard...</source>
        <translation>Zwischenablage wird umgewandelt...</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The clipboard holds no text to convert</source>
        <translation>Die Zwischenablage enthält keinen Text zum Umwandeln</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Converted the clipboard to %1</source>
        <translation>Zwischenablage umgewandelt: %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The clipboard holds no text to paste</source>
        <translation>Die Zwischenablage enthält keinen Text zum Einfügen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Pasting the forum post...</source>
        <translation>Forenbeitrag wird eingefügt...</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Pasted the clipboard as a post in %1</source>
        <translation>Zwischenablage als Beitrag in %1 eingefügt</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>The forum &quot;Copy to Web&quot; writes the post for</source>
        <translation>Das Forum, für das &quot;Fürs Web kopieren&quot; den Beitrag schreibt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Choose the forum, and so the format, of the post</source>
        <translation>Wählt das Forum und damit das Format des Beitrags</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+11"/>
        <source>Copy the post to the clipboard as %1 (Ctrl+Shift+C)</source>
        <translation>Beitrag als %1 in die Zwischenablage kopieren (Ctrl+Shift+C)</translation>
    </message>
    <message>
        <location filename="../editor/DocumentCommands.cpp" line="+48"/>
        <source>Confirm Delete</source>
        <translation>Löschen bestätigen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Are you sure you want to delete all text and start over?</source>
        <translation>Möchten Sie wirklich den gesamten Text löschen und neu beginnen?</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>The draft could not be restored.

%1</source>
        <translation>Der Entwurf konnte nicht wiederhergestellt werden.

%1</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Open Quillmark File</source>
        <translation>Quillmark-Datei öffnen</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>&quot;%1&quot; is not complete.

%2</source>
        <translation>„%1“ ist nicht vollständig.

%2</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+19"/>
        <source>Could not open &quot;%1&quot;.

%2</source>
        <translation>&quot;%1&quot; konnte nicht geöffnet werden.

%2</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Opening %1...</source>
        <translation>%1 wird geöffnet...</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Opened %1 as %2</source>
        <translation>%1 als %2 geöffnet</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>plain text</source>
        <translation>reinen Text</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Documents and posts (*.rtf *.odt *.docx *.html *.htm *.bbcode *.txt *.md);;RTF documents (*.rtf);;Word processor documents (*.odt *.docx);;Web pages (*.html *.htm);;Forum posts (*.bbcode *.txt *.md)</source>
        <translation>Dokumente und Beiträge (*.rtf *.odt *.docx *.html *.htm *.bbcode *.txt *.md);;RTF-Dokumente (*.rtf);;Textverarbeitungsdokumente (*.odt *.docx);;Webseiten (*.html *.htm);;Forenbeiträge (*.bbcode *.txt *.md)</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Could not save &quot;%1&quot;.

%2</source>
        <translation>&quot;%1&quot; konnte nicht gespeichert werden.

%2</translation>
    </message>
    <message>
        <location line="+62"/>
        <source>Could not find associated Browser</source>
        <translation>Kein zugeordneter Browser gefunden</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Web Page not Opened</source>
        <translation>Webseite nicht geöffnet</translation>
    </message>
    <message>
        <location filename="../editor/FormatCommands.cpp" line="+75"/>
        <source>Picture from Address</source>
        <translation>Bild von Webadresse</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>&quot;%1&quot; is no font size: type a number of points, such as 12.</source>
        <translation>„%1“ ist keine Schriftgröße: Geben Sie eine Zahl in Punkt ein, etwa 12.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Fixed Columns</source>
        <translation>Feste Spalten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A table&apos;s cells hold text only: a fixed-columns block goes outside the table. Convert Table to Text makes the table one.</source>
        <translation>Tabellenzellen enthalten nur Text: Ein Festspaltenblock gehört außerhalb der Tabelle. „Tabelle in Text umwandeln“ macht aus der Tabelle einen solchen Block.</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>Link</source>
        <translation>Link</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Link address (empty for no link):</source>
        <translation>Linkadresse (leer lassen für keinen Link):</translation>
    </message>
    <message>
        <location filename="../editor/QuillmarkMain.cpp" line="+107"/>
        <source>Copy to Web</source>
        <translation>Fürs Web kopieren</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Copy the post to the clipboard as HTML (Ctrl+Shift+C)</source>
        <translation>Beitrag als HTML in die Zwischenablage kopieren (Ctrl+Shift+C)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Copy Ne&amp;xt Part</source>
        <translation>Nächsten Tei&amp;l kopieren</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Copy the next part of the post (Ctrl+Alt+C)</source>
        <translation>Den nächsten Teil des Beitrags kopieren (Strg+Alt+C)</translation>
    </message>
    <message>
        <location line="+208"/>
        <source>The draft could not be kept: %1</source>
        <translation>Der Entwurf konnte nicht gesichert werden: %1</translation>
    </message>
    <message>
        <location line="+88"/>
        <source>&amp;Recent Files</source>
        <translation>&amp;Zuletzt verwendete Dateien</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>&amp;Spelling</source>
        <translation>&amp;Rechtschreibung</translation>
    </message>
    <message>
        <location filename="../editor/TableCommands.cpp" line="+21"/>
        <source>Insert Table</source>
        <translation>Tabelle einfügen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A table cannot stand inside a fixed-columns block: put the cursor after its {End Fixed} line.</source>
        <translation>Eine Tabelle kann nicht in einem Festspaltenblock stehen: Setzen Sie den Cursor hinter dessen Zeile {End Fixed}.</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Convert Text to Table</source>
        <translation>Text in Tabelle umwandeln</translation>
    </message>
</context>
<context>
    <name>quillmark::Spelling</name>
    <message>
        <location filename="../editor/spelling/Spelling.cpp" line="+82"/>
        <source>(No Suggestions)</source>
        <translation>(Keine Vorschläge)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Add to Dictionary</source>
        <translation>Zum Wörterbuch &amp;hinzufügen</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Ignore All</source>
        <translation>&amp;Alle ignorieren</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Check &amp;Spelling</source>
        <translation>Rechtschreibung &amp;prüfen</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>No Dictionaries Installed</source>
        <translation>Keine Wörterbücher installiert</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>In use: %1</source>
        <translation>Aktiv: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>In use: none (checking is off)</source>
        <translation>Aktiv: keines (Prüfung ausgeschaltet)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Spelling &amp;Language</source>
        <translation>&amp;Sprache der Rechtschreibung</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Installed dictionaries:</source>
        <translation>Installierte Wörterbücher:</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Other languages: install their Hunspell dictionary (hunspell-de-de, hunspell-fr, ...)</source>
        <translation>Weitere Sprachen: deren Hunspell-Wörterbuch installieren (hunspell-de-de, hunspell-fr, ...)</translation>
    </message>
</context>
<context>
    <name>quillmark::help::HelpWindow</name>
    <message>
        <location filename="../editor/help/HelpWindow.cpp" line="+86"/>
        <location line="+88"/>
        <source>Contents</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <location line="-87"/>
        <source>Writing a post, step by step</source>
        <translation>Einen Beitrag schreiben – Schritt für Schritt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Toolbars and menus</source>
        <translation>Symbolleisten und Menüs</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Formatting text</source>
        <translation>Text formatieren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tables</source>
        <translation>Tabellen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fixed columns</source>
        <translation>Feste Spalten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>What Copy to Web produces</source>
        <translation>Was „Fürs Web kopieren“ erzeugt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Forums, formats and links</source>
        <translation>Foren, Formate und Links</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The preview and the length gauge</source>
        <translation>Die Vorschau und die Längenanzeige</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Finding, replacing and spelling</source>
        <translation>Suchen, Ersetzen und Rechtschreibung</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Opening and saving files</source>
        <translation>Dateien öffnen und speichern</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Web sites and your browser</source>
        <translation>Websites und Ihr Browser</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Keyboard shortcuts</source>
        <translation>Tastenkombinationen</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>Quillmark Help</source>
        <translation>Quillmark-Hilfe</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Type a word to search for</source>
        <translation>Suchbegriff eingeben</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>The guide&apos;s pages; Enter opens the chosen one</source>
        <translation>Die Seiten der Hilfe; Enter öffnet die gewählte</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Search the guide</source>
        <translation>Hilfe durchsuchen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The words to find in the guide&apos;s pages</source>
        <translation>Die Wörter, die in den Seiten der Hilfe gesucht werden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pages found</source>
        <translation>Gefundene Seiten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The pages that hold every word; Enter opens one</source>
        <translation>Die Seiten, die alle Wörter enthalten; Enter öffnet eine davon</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Guide page</source>
        <translation>Hilfeseite</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Contents and search</source>
        <translation>Inhalt und Suche</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Search</source>
        <translation>&amp;Suchen</translation>
    </message>
    <message>
        <location line="+72"/>
        <source>Nothing matches “%1”.</source>
        <translation>Keine Treffer für „%1“.</translation>
    </message>
</context>
<context>
    <name>quillmark::preview::LengthGauge</name>
    <message>
        <location filename="../editor/preview/LengthGauge.cpp" line="+2"/>
        <source>Post length</source>
        <translation>Beitragslänge</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>%1 (near the limit)</source>
        <translation>%1 (nahe an der Grenze)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 (over by %2)</source>
        <translation>%1 (%2 zu viel)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1 characters; this forum takes posts of any length</source>
        <translation>%1 Zeichen; dieses Forum nimmt Beiträge jeder Länge an</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 of the %2 characters this forum takes: near the limit</source>
        <translation>%1 der %2 Zeichen, die dieses Forum annimmt: nahe an der Grenze</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 characters, %2 more than the %3 this forum takes: over the limit</source>
        <translation>%1 Zeichen, %2 mehr als die %3, die dieses Forum annimmt: über der Grenze</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 of the %2 characters this forum takes</source>
        <translation>%1 der %2 Zeichen, die dieses Forum annimmt</translation>
    </message>
</context>
<context>
    <name>quillmark::preview::Preview</name>
    <message>
        <location filename="../editor/preview/Preview.cpp" line="+211"/>
        <source>The post was copied. Its text holds &quot;%1&quot;, which an html forum reads as HTML, not as text: a tag formats the text after it (or is dropped), and a character reference such as &amp;lt; shows as the character it names. The forum will show the post differently from the document.

To show such text as typed, post it to a forum that takes BBCode or Markdown, or write &amp;lt; for each &lt; and &amp;amp; for each &amp;.</source>
        <translation>Der Beitrag wurde kopiert. Sein Text enthält „%1“, was ein HTML-Forum als HTML liest, nicht als Text: Ein Tag formatiert den Text danach (oder wird verworfen), und ein Zeichenverweis wie &amp;lt; erscheint als das Zeichen, für das er steht. Das Forum zeigt den Beitrag anders als das Dokument.

Um solchen Text so zu zeigen, wie er getippt ist, senden Sie ihn an ein Forum, das BBCode oder Markdown nimmt, oder schreiben Sie &amp;lt; für jedes &lt; und &amp;amp; für jedes &amp;.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The post was copied, but it does not match the document: %1.

Check the post before you send it. This is a fault in Quillmark; please report it.</source>
        <translation>Der Beitrag wurde kopiert, stimmt aber nicht mit dem Dokument überein: %1.

Prüfen Sie den Beitrag, bevor Sie ihn absenden. Dies ist ein Fehler in Quillmark; bitte melden Sie ihn.</translation>
    </message>
</context>
<context>
    <name>quillmark::preview::PreviewPanel</name>
    <message>
        <location filename="../editor/preview/PreviewPanel.cpp" line="+44"/>
        <location line="+38"/>
        <location line="+3"/>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>Markup</source>
        <translation>Quelltext</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The post as the forum shows it, and its markup</source>
        <translation>Der Beitrag, wie das Forum ihn anzeigt, und sein Quelltext</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>What the forum does not show</source>
        <translation>Was das Forum nicht darstellt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Preview of the post</source>
        <translation>Vorschau des Beitrags</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The post as the chosen forum shows it</source>
        <translation>Der Beitrag, wie das gewählte Forum ihn anzeigt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Markup of the post</source>
        <translation>Quelltext des Beitrags</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Exactly what Copy to Web puts on the clipboard</source>
        <translation>Genau das, was „Fürs Web kopieren“ in die Zwischenablage legt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Preview and markup</source>
        <translation>Vorschau und Quelltext</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ctrl+Tab changes between the preview and the markup</source>
        <translation>Ctrl+Tab wechselt zwischen Vorschau und Quelltext</translation>
    </message>
    <message>
        <location line="+58"/>
        <source>Updating the preview…</source>
        <translation>Vorschau wird aktualisiert…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Part %1 of %2 is on the clipboard</source>
        <translation>Teil %1 von %2 ist in der Zwischenablage</translation>
    </message>
</context>
<context>
    <name>quillmark::richtext::RichTextBox</name>
    <message>
        <location filename="../editor/richtext/RichTextBox.cpp" line="+416"/>
        <source>Opening %1...</source>
        <translation>%1 wird geöffnet...</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>The file ends in the middle of its document: it may have been cut short. What it holds is shown; the rest is missing from the file.</source>
        <translation>Die Datei endet mitten im Dokument: Sie wurde möglicherweise abgeschnitten. Was sie enthält, wird angezeigt; der Rest fehlt in der Datei.</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Saving %1...</source>
        <translation>%1 wird gespeichert...</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Pasting...</source>
        <translation>Wird eingefügt...</translation>
    </message>
    <message>
        <location filename="../editor/richtext/RichTextBoxStructures.cpp" line="+252"/>
        <source>&quot;%1&quot; is no address of a picture on the web: a picture&apos;s address starts with http:// or https://.</source>
        <translation>„%1“ ist keine Adresse eines Bildes im Web: Die Adresse eines Bildes beginnt mit http:// oder https://.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>A table&apos;s cells hold text only: a picture goes outside the table.</source>
        <translation>Tabellenzellen enthalten nur Text: Ein Bild gehört außerhalb der Tabelle.</translation>
    </message>
    <message>
        <location line="+98"/>
        <source>Picture</source>
        <translation>Bild</translation>
    </message>
    <message>
        <location filename="../editor/richtext/RichTextBoxTables.cpp" line="+324"/>
        <source>The selection is in a table already.</source>
        <translation>Die Markierung befindet sich bereits in einer Tabelle.</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>The fixed-columns block has no beginning.</source>
        <translation>Der Festspaltenblock hat keinen Anfang.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The fixed-columns block holds no lines.</source>
        <translation>Der Festspaltenblock enthält keine Zeilen.</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Select the lines to make a table of, or put the insertion point in a fixed-columns block.</source>
        <translation>Markieren Sie die Zeilen, aus denen eine Tabelle werden soll, oder setzen Sie die Einfügemarke in einen Festspaltenblock.</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>A table&apos;s cells hold text only, and the lines hold a picture.</source>
        <translation>Tabellenzellen enthalten nur Text, die Zeilen enthalten aber ein Bild.</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>The lines hold no text to make a table of.</source>
        <translation>Die Zeilen enthalten keinen Text, aus dem sich eine Tabelle machen ließe.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>A table holds at most %1 rows; the lines are %2.</source>
        <translation>Eine Tabelle hat höchstens %1 Zeilen; es sind aber %2 Zeilen.</translation>
    </message>
</context>
<context>
    <name>quillmark::web::ForumsDialog</name>
    <message>
        <location filename="../editor/web/ForumsDialog.cpp" line="+30"/>
        <source>Forums</source>
        <translation>Foren</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Forum profiles</source>
        <translation>Forenprofile</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The profile chosen here shows in the fields beside it</source>
        <translation>Das hier gewählte Profil erscheint in den Feldern daneben</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>No limit</source>
        <translation>Keine Begrenzung</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> characters</source>
        <translation> Zeichen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Forum shows &amp;tables</source>
        <translation>Forum zeigt &amp;Tabellen an</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Without tables, a table is posted as a code block of lined-up columns</source>
        <translation>Ohne Tabellen erscheint eine Tabelle als Codeblock mit bündig ausgerichteten Spalten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Number the &amp;parts of a long post</source>
        <translation>Teile eines langen Beitrags &amp;nummerieren</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>A post longer than the forum takes is copied in parts, each ending with its number, as &quot;(1/3)&quot;</source>
        <translation>Ein Beitrag, der länger ist, als das Forum annimmt, wird in Teilen kopiert, jeder mit seiner Nummer am Ende, wie &quot;(1/3)&quot;</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The profile&apos;s name, as &quot;Post as:&quot; lists it</source>
        <translation>Der Name des Profils, wie ihn „Beitrag für:“ auflistet</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The forum&apos;s web address</source>
        <translation>Die Webadresse des Forums</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The markup the forum reads</source>
        <translation>Die Auszeichnungssprache, die das Forum liest</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The longest post the forum takes, in characters</source>
        <translation>Die maximale Beitragslänge des Forums, in Zeichen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Longest post</source>
        <translation>Maximale Beitragslänge</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Address:</source>
        <translation>&amp;Adresse:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Format:</source>
        <translation>&amp;Format:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Longest post:</source>
        <translation>Maximale Beitrags&amp;länge:</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>A&amp;dd</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Keep Changes</source>
        <translation>Änderungen ü&amp;bernehmen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Remove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Adds an empty profile for the markup chosen from its menu</source>
        <translation>Fügt ein leeres Profil für die im Menü gewählte Auszeichnung hinzu</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Keeps the changes to the chosen profile</source>
        <translation>Übernimmt die Änderungen am gewählten Profil</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Removes the chosen profile</source>
        <translation>Entfernt das gewählte Profil</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>%1 (built in)</source>
        <translation>%1 (mitgeliefert)</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>New forum</source>
        <translation>Neues Forum</translation>
    </message>
</context>
</TS>
