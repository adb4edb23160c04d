<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>Accessibility</name>
    <message>
        <location filename="../editor/Accessibility.cpp" line="+42"/>
        <source>Opens the user guide</source>
        <translation>Ouvre le guide de l’utilisateur</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Makes the paragraphs a bulleted list</source>
        <translation>Fait des paragraphes une liste à puces</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Makes the paragraphs a numbered list</source>
        <translation>Fait des paragraphes une liste numérotée</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Indents the paragraphs further</source>
        <translation>Augmente le retrait des paragraphes</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Indents the paragraphs less</source>
        <translation>Réduit le retrait des paragraphes</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Chooses the colour of the text</source>
        <translation>Choisit la couleur du texte</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Inserts a block of fixed-width text for columns</source>
        <translation>Insère un bloc de texte à chasse fixe pour aligner des colonnes</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Opens %1 in the browser</source>
        <translation>Ouvre %1 dans le navigateur</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>More tools</source>
        <translation>Autres outils</translation>
    </message>
    <message>
        <location line="+128"/>
        <source>Menu bar</source>
        <translation>Barre de menus</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>More menus</source>
        <translation>Autres menus</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Document</source>
        <translation>Document</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The post being written. Ctrl+Tab leaves it; F6 moves to the find bar and the preview</source>
        <translation>Le message en cours de rédaction. Ctrl+Tab permet d’en sortir&#xa0;; F6 passe à la barre de recherche et à l’aperçu</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Status</source>
        <translation>État</translation>
    </message>
</context>
<context>
    <name>DocumentFile</name>
    <message>
        <location filename="../editor/richtext/DocumentFile.cpp" line="+49"/>
        <source>The file does not exist.</source>
        <translation>Le fichier n’existe pas.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>It is a folder, not a file.</source>
        <translation>Il s’agit d’un dossier, et non d’un fichier.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>It is not an ordinary file.</source>
        <translation>Ce n’est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The file is too large to open (%1); Quillmark opens files of up to %2.</source>
        <translation>Le fichier est trop volumineux pour être ouvert (%1)&#xa0;; Quillmark ouvre les fichiers jusqu’à %2.</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>The file changed while it was being read, so nothing of it was opened. Open it again once the program writing it has finished.</source>
        <translation>Le fichier a été modifié pendant sa lecture&#xa0;: rien n’en a été ouvert. Rouvrez-le une fois que le programme qui l’écrit a terminé.</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>The link leads round in a circle, or through too many links.</source>
        <translation>Le lien forme une boucle, ou passe par trop de liens.</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>The file is empty.</source>
        <translation>Le fichier est vide.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>a ZIP archive (as .docx and .odt documents are)</source>
        <translation>une archive ZIP (comme le sont les documents .docx et .odt)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>an older word processor&apos;s document (.doc)</source>
        <translation>un document d’un ancien traitement de texte (.doc)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>a PDF document</source>
        <translation>un document PDF</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>a web page (HTML)</source>
        <translation>une page web (HTML)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>plain text</source>
        <translation>du texte brut</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../editor/richtext/RtfReader.cpp" line="+1200"/>
        <source>The file is not an RTF document.</source>
        <translation>Le fichier n’est pas un document RTF.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The file holds %1, not an RTF document.</source>
        <translation>Le fichier contient %1, et non un document RTF.</translation>
    </message>
</context>
<context>
    <name>DocumentState</name>
    <message>
        <location filename="../editor/writing/DocumentState.cpp" line="+68"/>
        <source>Save changes to %1?</source>
        <translation>Enregistrer les modifications apportées à %1&#xa0;?</translation>
    </message>
</context>
<context>
    <name>DraftKeeper</name>
    <message>
        <location filename="../editor/writing/DraftKeeper.cpp" line="+71"/>
        <source>Quillmark found a post that was not saved (%1). Restore it?</source>
        <translation>Quillmark a trouvé un message qui n’a pas été enregistré (%1). Voulez-vous le restaurer&#xa0;?</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>The folder %1 cannot be made.</source>
        <translation>Impossible de créer le dossier %1.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>No draft file can be locked in %1.</source>
        <translation>Aucun fichier de brouillon ne peut être verrouillé dans %1.</translation>
    </message>
</context>
<context>
    <name>LengthGauge</name>
    <message>
        <location filename="../editor/preview/LengthGauge.cpp" line="+28"/>
        <source>The post&apos;s length as the forum counts it, and the longest post it takes</source>
        <translation>La longueur du message telle que le forum la compte, et la longueur maximale qu’il accepte</translation>
    </message>
</context>
<context>
    <name>Loss</name>
    <message>
        <location filename="../editor/post/PostBuilder.cpp" line="+38"/>
        <source>bold</source>
        <translation>gras</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>italic</source>
        <translation>italique</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>underline</source>
        <translation>souligné</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>strike-through</source>
        <translation>barré</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>superscript</source>
        <translation>exposant</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>subscript</source>
        <translation>indice</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>colour</source>
        <translation>couleur</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>size</source>
        <translation>taille</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>face</source>
        <translation>police</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>centre</source>
        <translation>centré</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>right</source>
        <translation>à droite</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>list item</source>
        <translation>élément de liste</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>fixed columns</source>
        <translation>colonnes fixes</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>line break</source>
        <translation>saut de ligne</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>link</source>
        <translation>lien</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>heading</source>
        <translation>titre</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>quote</source>
        <translation>citation</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>rule</source>
        <translation>ligne horizontale</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>picture</source>
        <translation>image</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>picture text</source>
        <translation>texte d’image</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>numbered list</source>
        <translation>liste numérotée</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>list start</source>
        <translation>début de liste</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>table</source>
        <translation>tableau</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>quote source</source>
        <translation>source de la citation</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>inline code</source>
        <translation>code en ligne</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>code language</source>
        <translation>langage du bloc de code</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>task box</source>
        <translation>case de tâche</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>justify</source>
        <translation>justification</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>markup of another format</source>
        <translation>balisage d&apos;un autre format</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>spoiler</source>
        <translation>spoiler</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1 run</source>
        <translation>%1 passage</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 runs</source>
        <translation>%1 passages</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 part</source>
        <translation>%1 partie</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 parts</source>
        <translation>%1 parties</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 paragraph</source>
        <translation>%1 paragraphe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 paragraphs</source>
        <translation>%1 paragraphes</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 item</source>
        <translation>%1 élément</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 items</source>
        <translation>%1 éléments</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 block</source>
        <translation>%1 bloc</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 blocks</source>
        <translation>%1 blocs</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 break</source>
        <translation>%1 saut</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 breaks</source>
        <translation>%1 sauts</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 link</source>
        <translation>%1 lien</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 links</source>
        <translation>%1 liens</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 heading</source>
        <translation>%1 titre</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 headings</source>
        <translation>%1 titres</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 quote</source>
        <translation>%1 citation</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 quotes</source>
        <translation>%1 citations</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 rule</source>
        <translation>%1 ligne</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 rules</source>
        <translation>%1 lignes</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 picture</source>
        <translation>%1 image</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 pictures</source>
        <translation>%1 images</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 list</source>
        <translation>%1 liste</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 lists</source>
        <translation>%1 listes</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 table</source>
        <translation>%1 tableau</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 tables</source>
        <translation>%1 tableaux</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>centring</source>
        <translation>centrage</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>right alignment</source>
        <translation>alignement à droite</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>tables</source>
        <translation>tableaux</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>table: shown as a code block</source>
        <translation>tableau&#xa0;: affiché sous forme de bloc de code</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>table: %1 shown as code blocks</source>
        <translation>tableau&#xa0;: %1 affichés sous forme de blocs de code</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+118"/>
        <source>tables (1 shown as a code block)</source>
        <translation>tableaux (1 affiché sous forme de bloc de code)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>tables (%1 shown as code blocks)</source>
        <translation>tableaux (%1 affichés sous forme de blocs de code)</translation>
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
        <translation>L’ouverture des documents .odt et .docx nécessite LibreOffice Writer, qui n’est pas installé. Installez le paquet %1 et ouvrez à nouveau le document.</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>LibreOffice did not finish reading the document within %1 seconds.</source>
        <translation>LibreOffice n’a pas fini de lire le document en %1 secondes.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>LibreOffice could not read the document: it may be damaged, or of a kind LibreOffice Writer does not open.</source>
        <translation>LibreOffice n’a pas pu lire le document&#xa0;: il est peut-être endommagé, ou d’un type que LibreOffice Writer n’ouvre pas.</translation>
    </message>
</context>
<context>
    <name>Post</name>
    <message>
        <location filename="../editor/post/PostBuilder.cpp" line="-57"/>
        <source>%1 characters as %2</source>
        <translation>%1 caractères au format %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source> (%1 characters longer than the %2 %3 takes)</source>
        <translation> (%1 caractères de plus que les %2 acceptés par %3)</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+15"/>
        <source>; not shown there: %1</source>
        <translation>, mais le forum n’affiche pas&#xa0;: %1</translation>
    </message>
    <message>
        <location line="-7"/>
        <source>part %1 of %2 (%3 characters) as %4</source>
        <translation>partie %1 sur %2 (%3 caractères) en %4</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>——— Part %1 of %2 ———</source>
        <translation>——— Partie %1 sur %2 ———</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>This forum does not show: %1</source>
        <translation>Ce forum n’affiche pas&#xa0;: %1</translation>
    </message>
    <message>
        <location filename="../editor/preview/PreviewContent.cpp" line="+186"/>
        <source>Part %1 of %2</source>
        <translation>Partie %1 sur %2</translation>
    </message>
</context>
<context>
    <name>Preview</name>
    <message>
        <location line="-59"/>
        <source>[picture: %1]</source>
        <translation>[image&#xa0;: %1]</translation>
    </message>
</context>
<context>
    <name>QtPlatform</name>
    <message>
        <location filename="../editor/QtPlatform.cpp" line="+100"/>
        <source>&amp;Restore</source>
        <translation>&amp;Restaurer</translation>
    </message>
    <message>
        <location line="-17"/>
        <location line="+18"/>
        <source>&amp;Discard</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <location line="-19"/>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <location line="+76"/>
        <source>Open Forum Post</source>
        <translation>Ouvrir un message de forum</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&quot;%1&quot; holds BBCode that several forums write.
Read it as the BBCode of:</source>
        <translation>«&#xa0;%1&#xa0;» contient du BBCode commun à plusieurs forums.
Le lire comme le BBCode de&#xa0;:</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Picture from Address</source>
        <translation>Image depuis une adresse</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The picture&apos;s web address, starting https:// or http://</source>
        <translation>L’adresse web de l’image, commençant par https:// ou http://</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The words that stand for the picture</source>
        <translation>Les mots qui tiennent lieu d’image</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Picture&apos;s &amp;address:</source>
        <translation>&amp;Adresse de l’image&#xa0;:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Alternative &amp;text:</source>
        <translation>&amp;Texte de remplacement&#xa0;:</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Insert Table</source>
        <translation>Insérer un tableau</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>First row is a &amp;header</source>
        <translation>La première ligne est un &amp;en-tête</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>How many rows the table has</source>
        <translation>Le nombre de lignes du tableau</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>How many columns the table has</source>
        <translation>Le nombre de colonnes du tableau</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The first row heads the columns</source>
        <translation>La première ligne sert d’en-tête aux colonnes</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Rows</source>
        <translation>Lignes</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Columns</source>
        <translation>Colonnes</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Rows:</source>
        <translation>&amp;Lignes&#xa0;:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Columns:</source>
        <translation>&amp;Colonnes&#xa0;:</translation>
    </message>
</context>
<context>
    <name>Quote</name>
    <message>
        <location filename="../editor/post/PostDocument.cpp" line="+564"/>
        <source>Quote</source>
        <translation>Citation</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 wrote:</source>
        <extracomment>A quote&apos;s title line in the document: %1 is the name of who wrote the quoted post.</extracomment>
        <translation>%1 a écrit :</translation>
    </message>
</context>
<context>
    <name>RecentFiles</name>
    <message>
        <location filename="../editor/writing/RecentFiles.cpp" line="+75"/>
        <source>No Recent Files</source>
        <translation>Aucun fichier récent</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>&amp;Clear Recent Files</source>
        <translation>&amp;Effacer la liste des fichiers récents</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 is no longer in %2. It was taken off the recent files.</source>
        <translation>%1 ne se trouve plus dans %2. Il a été retiré des fichiers récents.</translation>
    </message>
</context>
<context>
    <name>Tool</name>
    <message>
        <location filename="../editor/ToolTable.cpp" line="+79"/>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Creates a new, blank file</source>
        <translation>Crée un nouveau fichier vierge</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Open</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Opens or finds a file</source>
        <translation>Ouvre ou recherche un fichier</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Saves current active file</source>
        <translation>Enregistre le fichier actif</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save &amp;As...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Save As</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Saves the document under a new name</source>
        <translation>Enregistre le document sous un nouveau nom</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimer...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Print current file</source>
        <translation>Imprimer le fichier actif</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Close all documents and exit</source>
        <translation>Fermer tous les documents et quitter</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>C&amp;ut</source>
        <translation>Co&amp;uper</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Cut</source>
        <translation>Couper</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Cut current selection to clipboard</source>
        <translation>Couper la sélection vers le presse-papiers</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>C&amp;opy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Copy current selection to clipboard</source>
        <translation>Copier la sélection dans le presse-papiers</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Paste</source>
        <translation>C&amp;oller</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Paste clipboard contents into document</source>
        <translation>Coller le contenu du presse-papiers dans le document</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Paste Forum Pos&amp;t</source>
        <translation>Coller un &amp;message de forum</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Paste Forum Post</source>
        <translation>Coller un message de forum</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Paste the forum post on the clipboard as formatted text</source>
        <translation>Coller le message de forum du presse-papiers sous forme de texte mis en forme</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Un&amp;do</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Undoes the last change</source>
        <translation>Annule la dernière modification</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Makes the change undone again</source>
        <translation>Rétablit la modification annulée</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Select &amp;All</source>
        <translation>&amp;Tout sélectionner</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Select All</source>
        <translation>Tout sélectionner</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Selects the whole document</source>
        <translation>Sélectionne tout le document</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Find...</source>
        <translation>Rec&amp;hercher...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Find</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Finds text in the document</source>
        <translation>Recherche du texte dans le document</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Find &amp;Next</source>
        <translation>Rechercher le &amp;suivant</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Find Next</source>
        <translation>Rechercher le suivant</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Finds the next match</source>
        <translation>Recherche l’occurrence suivante</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>R&amp;eplace...</source>
        <translation>Rem&amp;placer...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Replace</source>
        <translation>Remplacer</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Replaces text in the document</source>
        <translation>Remplace du texte dans le document</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+59"/>
        <source>&amp;Help</source>
        <translation>Aid&amp;e</translation>
    </message>
    <message>
        <location line="-59"/>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Font Si&amp;ze:</source>
        <translation>Taille de poli&amp;ce&#xa0;:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Font &amp;Size</source>
        <translation>&amp;Taille de police</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Font Size</source>
        <translation>Taille de police</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Change font size</source>
        <translation>Modifier la taille de police</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Bold</source>
        <translation>&amp;Gras</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Bold</source>
        <translation>Gras</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Set current style to bold</source>
        <translation>Mettre le texte en gras</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Italic</source>
        <translation>&amp;Italique</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Italic</source>
        <translation>Italique</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Set current style to italic</source>
        <translation>Mettre le texte en italique</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Underline</source>
        <translation>&amp;Souligné</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Underline</source>
        <translation>Souligné</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Set current style to underlined</source>
        <translation>Souligner le texte</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Left</source>
        <translation>À gauc&amp;he</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Left</source>
        <translation>À gauche</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Align left</source>
        <translation>Aligner à gauche</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Center</source>
        <translation>Au c&amp;entre</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Center</source>
        <translation>Au centre</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Align center</source>
        <translation>Centrer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Right</source>
        <translation>À &amp;droite</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Right</source>
        <translation>À droite</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Align right</source>
        <translation>Aligner à droite</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bull&amp;ets</source>
        <translation>&amp;Puces</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Bullets</source>
        <translation>Puces</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nu&amp;mbering</source>
        <translation>&amp;Numérotation</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Numbering</source>
        <translation>Numérotation</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Quote</source>
        <translation>&amp;Citation</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Quote</source>
        <translation>Citation</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Put the paragraphs in a quote or take them out</source>
        <translation>Mettre les paragraphes en citation, ou les en sortir</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Heading &amp;1</source>
        <translation>Titre &amp;1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Heading 1</source>
        <translation>Titre 1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Make the paragraphs a main heading</source>
        <translation>Faire des paragraphes un titre principal</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Heading &amp;2</source>
        <translation>Titre &amp;2</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Heading 2</source>
        <translation>Titre 2</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Make the paragraphs a heading</source>
        <translation>Faire des paragraphes un titre</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Heading &amp;3</source>
        <translation>Titre &amp;3</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Heading 3</source>
        <translation>Titre 3</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Make the paragraphs a small heading</source>
        <translation>Faire des paragraphes un petit titre</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Normal &amp;Text</source>
        <translation>Te&amp;xte normal</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Normal Text</source>
        <translation>Texte normal</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Make the paragraphs normal text</source>
        <translation>Remettre les paragraphes en texte normal</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Picture from Address...</source>
        <translation>&amp;Image depuis une adresse...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Picture from Address</source>
        <translation>Image depuis une adresse</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Insert a picture from its web address</source>
        <translation>Insérer une image d’après son adresse web</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Horizontal &amp;Rule</source>
        <translation>&amp;Ligne horizontale</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Horizontal Rule</source>
        <translation>Ligne horizontale</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Insert a line across the post</source>
        <translation>Insérer une ligne sur toute la largeur du message</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Table...</source>
        <translation>&amp;Tableau...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Table</source>
        <translation>Tableau</translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+1"/>
        <source>Insert a table</source>
        <translation>Insérer un tableau</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Insert Table...</source>
        <translation>&amp;Insérer un tableau...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Insert Table</source>
        <translation>Insérer un tableau</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Insert Row &amp;Above</source>
        <translation>Insérer une ligne a&amp;u-dessus</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Insert Row Above</source>
        <translation>Insérer une ligne au-dessus</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Insert a row above the selected cells</source>
        <translation>Insérer une ligne au-dessus des cellules sélectionnées</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Insert Row &amp;Below</source>
        <translation>Insérer une ligne en dess&amp;ous</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Insert Row Below</source>
        <translation>Insérer une ligne en dessous</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Insert a row below the selected cells</source>
        <translation>Insérer une ligne en dessous des cellules sélectionnées</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Insert Column &amp;Left</source>
        <translation>Insérer une colonne à gauc&amp;he</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Insert Column Left</source>
        <translation>Insérer une colonne à gauche</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Insert a column left of the selected cells</source>
        <translation>Insérer une colonne à gauche des cellules sélectionnées</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Insert Column &amp;Right</source>
        <translation>Insérer une colonne à d&amp;roite</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Insert Column Right</source>
        <translation>Insérer une colonne à droite</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Insert a column right of the selected cells</source>
        <translation>Insérer une colonne à droite des cellules sélectionnées</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Delete Row</source>
        <translation>Supprimer la &amp;ligne</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Delete Row</source>
        <translation>Supprimer la ligne</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Delete the rows of the selected cells</source>
        <translation>Supprimer les lignes des cellules sélectionnées</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete &amp;Column</source>
        <translation>Supprimer la &amp;colonne</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Delete Column</source>
        <translation>Supprimer la colonne</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Delete the columns of the selected cells</source>
        <translation>Supprimer les colonnes des cellules sélectionnées</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete &amp;Table</source>
        <translation>Supprimer le &amp;tableau</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Delete Table</source>
        <translation>Supprimer le tableau</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Delete the whole table</source>
        <translation>Supprimer tout le tableau</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Align Column Le&amp;ft</source>
        <translation>Aligner la colonne à &amp;gauche</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Align Column Left</source>
        <translation>Aligner la colonne à gauche</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Align the selected columns left</source>
        <translation>Aligner à gauche les colonnes sélectionnées</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Align Column Ce&amp;nter</source>
        <translation>Ce&amp;ntrer la colonne</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Align Column Center</source>
        <translation>Centrer la colonne</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Center the selected columns</source>
        <translation>Centrer les colonnes sélectionnées</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Align Column Ri&amp;ght</source>
        <translation>Aligner la colonne à &amp;droite</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Align Column Right</source>
        <translation>Aligner la colonne à droite</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Align the selected columns right</source>
        <translation>Aligner à droite les colonnes sélectionnées</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Header Row</source>
        <translation>Ligne d’&amp;en-tête</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Header Row</source>
        <translation>Ligne d’en-tête</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Make the first row the table&apos;s header or a row like the others</source>
        <translation>Faire de la première ligne l’en-tête du tableau, ou une ligne comme les autres</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Convert Te&amp;xt to Table</source>
        <translation>Convertir le te&amp;xte en tableau</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Convert Text to Table</source>
        <translation>Convertir le texte en tableau</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Make a table of the fixed-columns block or the selected lines</source>
        <translation>Faire un tableau du bloc à colonnes fixes ou des lignes sélectionnées</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>C&amp;onvert Table to Text</source>
        <translation>Con&amp;vertir le tableau en texte</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Convert Table to Text</source>
        <translation>Convertir le tableau en texte</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Make the table a fixed-columns block</source>
        <translation>Faire du tableau un bloc à colonnes fixes</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>I&amp;ncrease Indent</source>
        <translation>&amp;Augmenter le retrait</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Increase Indent</source>
        <translation>Augmenter le retrait</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Decrease Indent</source>
        <translation>&amp;Réduire le retrait</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Decrease Indent</source>
        <translation>Réduire le retrait</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>C&amp;olor</source>
        <translation>Co&amp;uleur</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Color</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Fixed Columns</source>
        <translation>Colonnes &amp;fixes</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Fixed Columns</source>
        <translation>Colonnes fixes</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lin&amp;k...</source>
        <translation>&amp;Lien...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Link</source>
        <translation>Lien</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Make the selection a link to a web address</source>
        <translation>Faire de la sélection un lien vers une adresse web</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Con&amp;vert Clipboard</source>
        <translation>Con&amp;vertir le presse-papiers</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Convert Clipboard</source>
        <translation>Convertir le presse-papiers</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Convert the rich text on the clipboard into a post</source>
        <translation>Convertir en message le texte enrichi du presse-papiers</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Copy Ne&amp;xt Part</source>
        <translation>Copier la partie sui&amp;vante</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Copy Next Part</source>
        <translation>Copier la partie suivante</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Copy the next part of a post too long for its forum</source>
        <translation>Copie la partie suivante d’un message trop long pour son forum</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Forums...</source>
        <translation>&amp;Forums...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Forums</source>
        <translation>Forums</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Add, change or remove forum profiles</source>
        <translation>Ajouter, modifier ou supprimer des profils de forum</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Post &amp;as:</source>
        <translation>Publier &amp;sur&#xa0;:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Post &amp;as</source>
        <translation>Publier &amp;sur</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Post as</source>
        <translation>Publier sur</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Choose the forum, and so the format, of the post</source>
        <translation>Choisir le forum, et donc le format, du message</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Preview</source>
        <translation>&amp;Aperçu</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Shows the post as the forum will show it, and its markup</source>
        <translation>Affiche le message tel que le forum l’affichera, ainsi que son balisage</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fo&amp;rmat</source>
        <translation>F&amp;ormat</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>In&amp;sert</source>
        <translation>&amp;Insertion</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ta&amp;ble</source>
        <translation>Ta&amp;bleau</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Web</source>
        <translation>&amp;Web</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Tools</source>
        <translation>O&amp;utils</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Help Contents</source>
        <translation>Sommaire de l’aide</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>About this application</source>
        <translation>À propos de cette application</translation>
    </message>
    <message>
        <location filename="../editor/web/Sites.h" line="+28"/>
        <source>ScamWatch: warnings about scams aimed at players</source>
        <translation>ScamWatch&#xa0;: mises en garde contre les arnaques visant les joueurs</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Updates</source>
        <translation>&amp;Mises à jour</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Updates to Quillmark</source>
        <translation>Mises à jour de Quillmark</translation>
    </message>
</context>
<context>
    <name>cli</name>
    <message>
        <location filename="../cli/Files.cpp" line="+93"/>
        <location line="+143"/>
        <source>standard output</source>
        <translation>la sortie standard</translation>
    </message>
    <message>
        <location line="-73"/>
        <source>cannot read %1: %2</source>
        <translation>impossible de lire %1&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cannot write %1: %2</source>
        <translation>impossible d’écrire %1&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cannot open %1: %2</source>
        <translation>impossible d’ouvrir %1&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cannot run %1: %2</source>
        <translation>impossible d’exécuter %1&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>standard input</source>
        <translation>l’entrée standard</translation>
    </message>
    <message>
        <location filename="../cli/Options.cpp" line="+34"/>
        <source>write the post in FORMAT (default html), one of the formats below</source>
        <translation>écrire le message au format FORMAT (html par défaut), l’un des formats ci-dessous</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>unknown format &apos;%1&apos;; the formats are %2</source>
        <translation>format inconnu &apos;%1&apos;&#xa0;; les formats sont %2</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>read FILE as a post in FORMAT (a BBCode format or markdown,
UTF-8) instead of RTF, and write --format&apos;s post from it</source>
        <translation>lire FILE comme un message au format FORMAT (un format BBCode ou markdown,
en UTF-8) au lieu de RTF, et en tirer le message au format de --format</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>--from reads a post: &apos;%1&apos; is none; it takes a BBCode format or markdown</source>
        <translation>--from lit un message&#xa0;: &apos;%1&apos; n’est pas un format de message&#xa0;; il accepte un format BBCode ou markdown</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>on standard error, one line per element the format cannot
show, with how many were dropped (&quot;colour: 3 runs&quot;)</source>
        <translation>signaler sur la sortie d’erreur, ligne par ligne, chaque élément que le format ne peut
pas afficher, avec le nombre d’éléments perdus (&quot;colour: 3 runs&quot;)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the converter&apos;s option string (default &quot;+CR+A&quot;); its flags,
which may be combined:
  +CR     a CR-LF after every &lt;br&gt; and &lt;/li&gt;
  +A      hyperlink fields become links (&lt;a href&gt;)
  +F=&lt;n&gt;  font size &lt;n&gt; is the page&apos;s base size and gets no attribute
  -FF     drop font faces</source>
        <translation>la chaîne d’options du convertisseur (&quot;+CR+A&quot; par défaut)&#xa0;; ses indicateurs,
combinables entre eux&#xa0;:
  +CR     un CR-LF après chaque &lt;br&gt; et &lt;/li&gt;
  +A      les champs de lien hypertexte deviennent des liens (&lt;a href&gt;)
  +F=&lt;n&gt;  la taille de police &lt;n&gt; est la taille de base de la page et ne reçoit pas d’attribut
  -FF     supprimer les noms de police</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>the converter&apos;s output as is, without the &quot;Copy to Web&quot; rewrites
(html only)</source>
        <translation>la sortie du convertisseur telle quelle, sans les réécritures de &quot;Copier pour le Web&quot;
(html uniquement)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>convert FILE&apos;s own RTF with the conversion engine alone,
without opening it in the editor first (html only)</source>
        <translation>convertir le RTF même de FILE par le seul moteur de conversion,
sans l’ouvrir d’abord dans l’éditeur (html seulement)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>open FILE in the editor first, as is done without --engine</source>
        <translation>ouvrir d’abord FILE dans l’éditeur, comme sans --engine</translation>
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
        <translation>Utilisation&#xa0;: quillmark-convert [OPTIONS] [FILE]

Écrit le message que &quot;Copier pour le Web&quot; met dans le presse-papiers pour FILE ouvert dans
l’éditeur&#xa0;: un document RTF, une page web ou, avec --from, un message de forum. Avec
--engine, le seul moteur de conversion fait du RTF du html. Lit FILE, ou l’entrée standard
si FILE manque ou vaut &quot;-&quot;, et écrit de l’UTF-8 sur la sortie standard.

Options&#xa0;:
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
        <translation>Utilisation&#xa0;: quillmark-convert [OPTIONS] [FILE]

Convertit un document RTF vers le HTML compact de forum du moteur de conversion. Lit FILE
(octets Windows-1252), ou l’entrée standard si FILE manque ou vaut &quot;-&quot;, et écrit de l’UTF-8
sur la sortie standard. Avec --from, FILE est un message de forum, écrit dans le format d’un
autre forum.

Options&#xa0;:
</translation>
    </message>
    <message>
        <location line="-26"/>
        <source>write to FILE instead; it is replaced only once all is written</source>
        <translation>écrire plutôt dans FILE&#xa0;; il n’est remplacé qu’une fois tout écrit</translation>
    </message>
    <message>
        <location line="-21"/>
        <source>a post longer than its forum takes in parts, each within the
limit and ended by &quot;(1/3)&quot;, &quot;(2/3)&quot;...: with -o FILE in numbered
files (FILE.1.txt...), else one after the other, a line between them</source>
        <translation>un message plus long que ce que son forum accepte, en parties, chacune dans
la limite et terminée par &quot;(1/3)&quot;, &quot;(2/3)&quot;...&#xa0;: avec -o FILE dans des
fichiers numérotés (FILE.1.txt...), sinon l’une après l’autre, une ligne entre elles</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>with --split, the longest part, as the forum counts it
(default the forum&apos;s own limit, as it is installed)</source>
        <translation>avec --split, la longueur maximale d’une partie, comptée comme le forum la compte
(par défaut la limite du forum, tel qu’il s’installe)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>--limit takes a number of characters: &apos;%1&apos; is none</source>
        <translation>--limit attend un nombre de caractères&#xa0;: &apos;%1&apos; n’en est pas un</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>show this help and exit</source>
        <translation>afficher cette aide et quitter</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>show the version and exit</source>
        <translation>afficher la version et quitter</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>end of options: what follows is FILE, even if it starts with &quot;-&quot;</source>
        <translation>fin des options&#xa0;: ce qui suit est FILE, même s’il commence par &quot;-&quot;</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>
Exit status: 0 on success, 1 when the input cannot be read or the output cannot be
written, 2 for a bad command line.
</source>
        <translation>
Code de sortie&#xa0;: 0 en cas de réussite, 1 si l’entrée ne peut être lue ou la sortie ne
peut être écrite, 2 pour une ligne de commande incorrecte.
</translation>
    </message>
    <message>
        <location line="+70"/>
        <source>--raw gives HTML only; it takes no other --format</source>
        <translation>--raw ne produit que du HTML&#xa0;; il n’accepte aucun autre --format</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>--engine and --via-editor are two ways of reading FILE; give one of them</source>
        <translation>--engine et --via-editor sont deux façons de lire FILE&#xa0;; donnez-en une</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>--engine reads RTF; it takes no --from</source>
        <translation>--engine lit du RTF&#xa0;; il n’accepte pas --from</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>--engine gives html only: the other formats are made from the editor&apos;s document</source>
        <translation>--engine ne donne que du html&#xa0;: les autres formats sont faits à partir du document de l’éditeur</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>--options are the engine&apos;s; they take no other --format</source>
        <translation>--options sont celles du moteur&#xa0;; elles n’acceptent pas d’autre --format</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>--limit goes with --split</source>
        <translation>--limit va avec --split</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>--split cuts a post in a forum&apos;s markup: give a --format other than html</source>
        <translation>--split coupe un message dans le balisage d’un forum&#xa0;: donnez un --format autre que html</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 has no limit of its own: give --split a --limit</source>
        <translation>%1 n’a pas de limite propre&#xa0;: donnez à --split une --limit</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>this build makes html only: the other formats are made from the editor&apos;s document, which it does not have</source>
        <translation>cette version ne produit que du html&#xa0;: les autres formats sont faits à partir du document de l’éditeur, qu’elle n’a pas</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Formats:</source>
        <translation>Formats&#xa0;:</translation>
    </message>
    <message>
        <location filename="../cli/main.cpp" line="+42"/>
        <source>the editor&apos;s components are not installed (--engine converts RTF to html without them)</source>
        <translation>les composants de l’éditeur ne sont pas installés (--engine convertit le RTF en html sans eux)</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <location filename="../app/main.cpp" line="+49"/>
        <source>Write formatted forum posts and copy them as HTML.</source>
        <translation>Rédigez des messages de forum mis en forme et copiez-les en HTML.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>An RTF document to open.</source>
        <translation>Un document RTF à ouvrir.</translation>
    </message>
    <message>
        <location filename="../cli/via_editor_main.cpp" line="+77"/>
        <source>The web page could not be read.</source>
        <translation>La page web n’a pas pu être lue.</translation>
    </message>
</context>
<context>
    <name>quillmark::AboutBox</name>
    <message>
        <location filename="../editor/AboutBox.cpp" line="+35"/>
        <source>About Quillmark</source>
        <translation>À propos de Quillmark</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Closes the About box</source>
        <translation>Ferme la fenêtre À propos</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Quillmark Version %1.%2.%3</source>
        <translation>Quillmark version %1.%2.%3</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Formatted forum posts from rich text. © Norvane.</source>
        <translation>Messages de forum mis en forme à partir de texte enrichi. © Norvane.</translation>
    </message>
</context>
<context>
    <name>quillmark::DocumentState</name>
    <message>
        <location filename="../editor/writing/DocumentState.cpp" line="-45"/>
        <source>Untitled</source>
        <translation>Sans titre</translation>
    </message>
</context>
<context>
    <name>quillmark::FindBar</name>
    <message>
        <location filename="../editor/writing/FindBar.cpp" line="+38"/>
        <source>&amp;Match case</source>
        <translation>Se&amp;nsible à la casse</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Whole w&amp;ords</source>
        <translation>&amp;Mots entiers</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Next</source>
        <translation>Sui&amp;vant</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Previous</source>
        <translation>&amp;Précédent</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Close (Esc)</source>
        <translation>Fermer (Esc)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Fin&amp;d:</source>
        <translation>Rec&amp;hercher&#xa0;:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Find</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The text to look for; Enter finds the next match, Shift+Enter the previous one</source>
        <translation>Le texte à rechercher&#xa0;; Enter trouve l’occurrence suivante, Shift+Enter la précédente</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Finds the next match</source>
        <translation>Recherche l’occurrence suivante</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Finds the match before</source>
        <translation>Recherche l’occurrence précédente</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Finds only text with the same capital letters</source>
        <translation>Ne trouve que le texte écrit avec les mêmes majuscules</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Finds only whole words</source>
        <translation>Ne trouve que des mots entiers</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Find result</source>
        <translation>Résultat de la recherche</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Close the find bar</source>
        <translation>Fermer la barre de recherche</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Closes the find bar and returns to the document</source>
        <translation>Ferme la barre de recherche et revient au document</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Rep&amp;lace</source>
        <translation>Remp&amp;lacer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Repla&amp;ce All</source>
        <translation>Remplacer &amp;tout</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Replace w&amp;ith:</source>
        <translation>Remplacer pa&amp;r&#xa0;:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Replace with</source>
        <translation>Remplacer par</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The text that replaces a match; Enter replaces</source>
        <translation>Le texte qui remplace une occurrence&#xa0;; Enter la remplace</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Replaces the match and finds the next one</source>
        <translation>Remplace l’occurrence et recherche la suivante</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Replaces every match in the document</source>
        <translation>Remplace toutes les occurrences dans le document</translation>
    </message>
    <message>
        <location line="+54"/>
        <location line="+65"/>
        <source>“%1” was not found.</source>
        <translation>«&#xa0;%1&#xa0;» est introuvable.</translation>
    </message>
    <message>
        <location line="-62"/>
        <source>Continued from the end.</source>
        <translation>Recherche reprise à partir de la fin.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Continued from the top.</source>
        <translation>Recherche reprise à partir du début.</translation>
    </message>
    <message>
        <location line="+63"/>
        <source>Replaced 1 match.</source>
        <translation>1 occurrence remplacée.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Replaced %1 matches.</source>
        <translation>%1 occurrences remplacées.</translation>
    </message>
</context>
<context>
    <name>quillmark::QuillmarkMain</name>
    <message>
        <location filename="../editor/CopyToWeb.cpp" line="+68"/>
        <source>Copying the post...</source>
        <translation>Copie du message...</translation>
    </message>
    <message>
        <location line="+23"/>
        <location line="+21"/>
        <source>Copied %1; Copy Next Part (Ctrl+Alt+C) copies the next</source>
        <translation>%1 copiée ; Copier la partie suivante (Ctrl+Alt+C) copie la suivante</translation>
    </message>
    <message>
        <location line="-18"/>
        <source>Copied %1</source>
        <translation>Copié&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>No part is left to copy: Copy to Web copies the post</source>
        <translation>Il ne reste aucune partie à copier : Copier pour le Web copie le message</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>part %1 of %2 (%3 characters)</source>
        <translation>partie %1 sur %2 (%3 caractères)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Copied %1, the last</source>
        <translation>%1 copiée, la dernière</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Converting the clipboard...</source>
        <translation>Conversion du presse-papiers...</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The clipboard holds no text to convert</source>
        <translation>Le presse-papiers ne contient aucun texte à convertir</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Converted the clipboard to %1</source>
        <translation>Presse-papiers converti en %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The clipboard holds no text to paste</source>
        <translation>Le presse-papiers ne contient aucun texte à coller</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Pasting the forum post...</source>
        <translation>Collage du message de forum...</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Pasted the clipboard as a post in %1</source>
        <translation>Presse-papiers collé comme message au format %1</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>The forum &quot;Copy to Web&quot; writes the post for</source>
        <translation>Le forum pour lequel &quot;Copier pour le Web&quot; écrit le message</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Choose the forum, and so the format, of the post</source>
        <translation>Choisir le forum, et donc le format, du message</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+11"/>
        <source>Copy the post to the clipboard as %1 (Ctrl+Shift+C)</source>
        <translation>Copier le message dans le presse-papiers au format %1 (Ctrl+Shift+C)</translation>
    </message>
    <message>
        <location filename="../editor/DocumentCommands.cpp" line="+48"/>
        <source>Confirm Delete</source>
        <translation>Confirmer la suppression</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Are you sure you want to delete all text and start over?</source>
        <translation>Voulez-vous vraiment supprimer tout le texte et recommencer&#xa0;?</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>The draft could not be restored.

%1</source>
        <translation>Le brouillon n’a pas pu être restauré.

%1</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Open Quillmark File</source>
        <translation>Ouvrir un fichier Quillmark</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>&quot;%1&quot; is not complete.

%2</source>
        <translation>«&#xa0;%1&#xa0;» est incomplet.

%2</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+19"/>
        <source>Could not open &quot;%1&quot;.

%2</source>
        <translation>Impossible d’ouvrir &quot;%1&quot;.

%2</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Opening %1...</source>
        <translation>Ouverture de %1...</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Opened %1 as %2</source>
        <translation>%1 ouvert en %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>plain text</source>
        <translation>texte brut</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Documents and posts (*.rtf *.odt *.docx *.html *.htm *.bbcode *.txt *.md);;RTF documents (*.rtf);;Word processor documents (*.odt *.docx);;Web pages (*.html *.htm);;Forum posts (*.bbcode *.txt *.md)</source>
        <translation>Documents et messages (*.rtf *.odt *.docx *.html *.htm *.bbcode *.txt *.md);;Documents RTF (*.rtf);;Documents de traitement de texte (*.odt *.docx);;Pages web (*.html *.htm);;Messages de forum (*.bbcode *.txt *.md)</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Could not save &quot;%1&quot;.

%2</source>
        <translation>Impossible d’enregistrer &quot;%1&quot;.

%2</translation>
    </message>
    <message>
        <location line="+62"/>
        <source>Could not find associated Browser</source>
        <translation>Navigateur associé introuvable</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Web Page not Opened</source>
        <translation>La page web n’a pas été ouverte</translation>
    </message>
    <message>
        <location filename="../editor/FormatCommands.cpp" line="+75"/>
        <source>Picture from Address</source>
        <translation>Image depuis une adresse</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>&quot;%1&quot; is no font size: type a number of points, such as 12.</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas une taille de police&#xa0;: tapez un nombre de points, par exemple 12.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Fixed Columns</source>
        <translation>Colonnes fixes</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A table&apos;s cells hold text only: a fixed-columns block goes outside the table. Convert Table to Text makes the table one.</source>
        <translation>Les cellules d’un tableau ne contiennent que du texte&#xa0;: un bloc à colonnes fixes se place en dehors du tableau. La commande Convertir le tableau en texte transforme le tableau en un tel bloc.</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>Link</source>
        <translation>Lien</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Link address (empty for no link):</source>
        <translation>Adresse du lien (vide pour ne pas créer de lien)&#xa0;:</translation>
    </message>
    <message>
        <location filename="../editor/QuillmarkMain.cpp" line="+107"/>
        <source>Copy to Web</source>
        <translation>Copier pour le Web</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Copy the post to the clipboard as HTML (Ctrl+Shift+C)</source>
        <translation>Copier le message dans le presse-papiers au format HTML (Ctrl+Shift+C)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Copy Ne&amp;xt Part</source>
        <translation>Copier la partie sui&amp;vante</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Copy the next part of the post (Ctrl+Alt+C)</source>
        <translation>Copier la partie suivante du message (Ctrl+Alt+C)</translation>
    </message>
    <message>
        <location line="+208"/>
        <source>The draft could not be kept: %1</source>
        <translation>Le brouillon n’a pas pu être conservé&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+88"/>
        <source>&amp;Recent Files</source>
        <translation>Fichiers &amp;récents</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>&amp;Spelling</source>
        <translation>&amp;Orthographe</translation>
    </message>
    <message>
        <location filename="../editor/TableCommands.cpp" line="+21"/>
        <source>Insert Table</source>
        <translation>Insérer un tableau</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A table cannot stand inside a fixed-columns block: put the cursor after its {End Fixed} line.</source>
        <translation>Un tableau ne peut pas se trouver dans un bloc à colonnes fixes&#xa0;: placez le curseur après sa ligne {End Fixed}.</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Convert Text to Table</source>
        <translation>Convertir le texte en tableau</translation>
    </message>
</context>
<context>
    <name>quillmark::Spelling</name>
    <message>
        <location filename="../editor/spelling/Spelling.cpp" line="+82"/>
        <source>(No Suggestions)</source>
        <translation>(Aucune suggestion)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Add to Dictionary</source>
        <translation>Ajouter au &amp;dictionnaire</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Ignore All</source>
        <translation>Tout i&amp;gnorer</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Check &amp;Spelling</source>
        <translation>&amp;Vérifier l’orthographe</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>No Dictionaries Installed</source>
        <translation>Aucun dictionnaire installé</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>In use: %1</source>
        <translation>Dictionnaire utilisé&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>In use: none (checking is off)</source>
        <translation>Dictionnaire utilisé&#xa0;: aucun (vérification désactivée)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Spelling &amp;Language</source>
        <translation>&amp;Langue de l’orthographe</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Installed dictionaries:</source>
        <translation>Dictionnaires installés&#xa0;:</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Other languages: install their Hunspell dictionary (hunspell-de-de, hunspell-fr, ...)</source>
        <translation>Autres langues&#xa0;: installez leur dictionnaire Hunspell (hunspell-de-de, hunspell-fr, ...)</translation>
    </message>
</context>
<context>
    <name>quillmark::help::HelpWindow</name>
    <message>
        <location filename="../editor/help/HelpWindow.cpp" line="+86"/>
        <location line="+88"/>
        <source>Contents</source>
        <translation>Sommaire</translation>
    </message>
    <message>
        <location line="-87"/>
        <source>Writing a post, step by step</source>
        <translation>Rédiger un message, pas à pas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Toolbars and menus</source>
        <translation>Barres d’outils et menus</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Formatting text</source>
        <translation>Mise en forme du texte</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tables</source>
        <translation>Tableaux</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fixed columns</source>
        <translation>Colonnes fixes</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>What Copy to Web produces</source>
        <translation>Ce que produit Copier pour le Web</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Forums, formats and links</source>
        <translation>Forums, formats et liens</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The preview and the length gauge</source>
        <translation>L’aperçu et la jauge de longueur</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Finding, replacing and spelling</source>
        <translation>Rechercher, remplacer et vérifier l’orthographe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Opening and saving files</source>
        <translation>Ouvrir et enregistrer des fichiers</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Web sites and your browser</source>
        <translation>Les sites web et votre navigateur</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Keyboard shortcuts</source>
        <translation>Raccourcis clavier</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>Quillmark Help</source>
        <translation>Aide de Quillmark</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Type a word to search for</source>
        <translation>Tapez un mot à rechercher</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>The guide&apos;s pages; Enter opens the chosen one</source>
        <translation>Les pages du guide&#xa0;; Enter ouvre celle qui est choisie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Search the guide</source>
        <translation>Rechercher dans le guide</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The words to find in the guide&apos;s pages</source>
        <translation>Les mots à rechercher dans les pages du guide</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pages found</source>
        <translation>Pages trouvées</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The pages that hold every word; Enter opens one</source>
        <translation>Les pages qui contiennent tous les mots&#xa0;; Enter en ouvre une</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Guide page</source>
        <translation>Page du guide</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Contents and search</source>
        <translation>Sommaire et recherche</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Search</source>
        <translation>&amp;Rechercher</translation>
    </message>
    <message>
        <location line="+72"/>
        <source>Nothing matches “%1”.</source>
        <translation>Aucune page ne correspond à «&#xa0;%1&#xa0;».</translation>
    </message>
</context>
<context>
    <name>quillmark::preview::LengthGauge</name>
    <message>
        <location filename="../editor/preview/LengthGauge.cpp" line="+2"/>
        <source>Post length</source>
        <translation>Longueur du message</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>%1 (near the limit)</source>
        <translation>%1 (proche de la limite)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 (over by %2)</source>
        <translation>%1 (%2 de trop)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1 characters; this forum takes posts of any length</source>
        <translation>%1 caractères&#xa0;; ce forum accepte les messages de toute longueur</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 of the %2 characters this forum takes: near the limit</source>
        <translation>%1 des %2 caractères acceptés par ce forum&#xa0;: proche de la limite</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 characters, %2 more than the %3 this forum takes: over the limit</source>
        <translation>%1 caractères, soit %2 de plus que les %3 acceptés par ce forum&#xa0;: limite dépassée</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 of the %2 characters this forum takes</source>
        <translation>%1 des %2 caractères acceptés par ce forum</translation>
    </message>
</context>
<context>
    <name>quillmark::preview::Preview</name>
    <message>
        <location filename="../editor/preview/Preview.cpp" line="+211"/>
        <source>The post was copied. Its text holds &quot;%1&quot;, which an html forum reads as HTML, not as text: a tag formats the text after it (or is dropped), and a character reference such as &amp;lt; shows as the character it names. The forum will show the post differently from the document.

To show such text as typed, post it to a forum that takes BBCode or Markdown, or write &amp;lt; for each &lt; and &amp;amp; for each &amp;.</source>
        <translation>Le message a été copié. Son texte contient «&#xa0;%1&#xa0;», qu’un forum html lit comme du HTML et non comme du texte&#xa0;: une balise met en forme le texte qui la suit (ou est supprimée), et une référence de caractère comme &amp;lt; s’affiche comme le caractère qu’elle désigne. Le forum affichera le message autrement que le document.

Pour afficher ce texte tel qu’il est tapé, publiez-le sur un forum qui accepte le BBCode ou le Markdown, ou écrivez &amp;lt; pour chaque &lt; et &amp;amp; pour chaque &amp;.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The post was copied, but it does not match the document: %1.

Check the post before you send it. This is a fault in Quillmark; please report it.</source>
        <translation>Le message a été copié, mais il ne correspond pas au document&#xa0;: %1.

Vérifiez le message avant de l’envoyer. Il s’agit d’une erreur de Quillmark&#xa0;; merci de la signaler.</translation>
    </message>
</context>
<context>
    <name>quillmark::preview::PreviewPanel</name>
    <message>
        <location filename="../editor/preview/PreviewPanel.cpp" line="+44"/>
        <location line="+38"/>
        <location line="+3"/>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>Markup</source>
        <translation>Balisage</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The post as the forum shows it, and its markup</source>
        <translation>Le message tel que le forum l’affiche, et son balisage</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>What the forum does not show</source>
        <translation>Ce que le forum n’affiche pas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Preview of the post</source>
        <translation>Aperçu du message</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The post as the chosen forum shows it</source>
        <translation>Le message tel que l’affiche le forum choisi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Markup of the post</source>
        <translation>Balisage du message</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Exactly what Copy to Web puts on the clipboard</source>
        <translation>Exactement ce que Copier pour le Web met dans le presse-papiers</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Preview and markup</source>
        <translation>Aperçu et balisage</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ctrl+Tab changes between the preview and the markup</source>
        <translation>Ctrl+Tab passe de l’aperçu au balisage et inversement</translation>
    </message>
    <message>
        <location line="+58"/>
        <source>Updating the preview…</source>
        <translation>Mise à jour de l’aperçu…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Part %1 of %2 is on the clipboard</source>
        <translation>La partie %1 sur %2 est dans le presse-papiers</translation>
    </message>
</context>
<context>
    <name>quillmark::richtext::RichTextBox</name>
    <message>
        <location filename="../editor/richtext/RichTextBox.cpp" line="+416"/>
        <source>Opening %1...</source>
        <translation>Ouverture de %1...</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>The file ends in the middle of its document: it may have been cut short. What it holds is shown; the rest is missing from the file.</source>
        <translation>Le fichier s’arrête au milieu de son document&#xa0;: il a peut-être été tronqué. Ce qu’il contient est affiché&#xa0;; le reste manque dans le fichier.</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Saving %1...</source>
        <translation>Enregistrement de %1...</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Pasting...</source>
        <translation>Collage...</translation>
    </message>
    <message>
        <location filename="../editor/richtext/RichTextBoxStructures.cpp" line="+252"/>
        <source>&quot;%1&quot; is no address of a picture on the web: a picture&apos;s address starts with http:// or https://.</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas l’adresse d’une image sur le Web&#xa0;: l’adresse d’une image commence par http:// ou https://.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>A table&apos;s cells hold text only: a picture goes outside the table.</source>
        <translation>Les cellules d’un tableau ne contiennent que du texte&#xa0;: une image se place en dehors du tableau.</translation>
    </message>
    <message>
        <location line="+98"/>
        <source>Picture</source>
        <translation>Image</translation>
    </message>
    <message>
        <location filename="../editor/richtext/RichTextBoxTables.cpp" line="+324"/>
        <source>The selection is in a table already.</source>
        <translation>La sélection se trouve déjà dans un tableau.</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>The fixed-columns block has no beginning.</source>
        <translation>Le bloc à colonnes fixes n’a pas de début.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The fixed-columns block holds no lines.</source>
        <translation>Le bloc à colonnes fixes ne contient aucune ligne.</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Select the lines to make a table of, or put the insertion point in a fixed-columns block.</source>
        <translation>Sélectionnez les lignes dont faire un tableau, ou placez le point d’insertion dans un bloc de colonnes fixes.</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>A table&apos;s cells hold text only, and the lines hold a picture.</source>
        <translation>Les cellules d’un tableau ne contiennent que du texte, or les lignes contiennent une image.</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>The lines hold no text to make a table of.</source>
        <translation>Les lignes ne contiennent aucun texte à mettre en tableau.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>A table holds at most %1 rows; the lines are %2.</source>
        <translation>Un tableau compte au plus %1 lignes&#xa0;; la sélection en compte %2.</translation>
    </message>
</context>
<context>
    <name>quillmark::web::ForumsDialog</name>
    <message>
        <location filename="../editor/web/ForumsDialog.cpp" line="+30"/>
        <source>Forums</source>
        <translation>Forums</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Forum profiles</source>
        <translation>Profils de forum</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The profile chosen here shows in the fields beside it</source>
        <translation>Le profil choisi ici s’affiche dans les champs à côté</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>No limit</source>
        <translation>Aucune limite</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> characters</source>
        <translation> caractères</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Forum shows &amp;tables</source>
        <translation>Le forum affiche les &amp;tableaux</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Without tables, a table is posted as a code block of lined-up columns</source>
        <translation>Sans tableaux, un tableau est publié sous forme de bloc de code aux colonnes alignées</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Number the &amp;parts of a long post</source>
        <translation>Numéroter les &amp;parties d’un long message</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>A post longer than the forum takes is copied in parts, each ending with its number, as &quot;(1/3)&quot;</source>
        <translation>Un message plus long que ce que le forum accepte est copié en parties, chacune terminée par son numéro, comme &quot;(1/3)&quot;</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The profile&apos;s name, as &quot;Post as:&quot; lists it</source>
        <translation>Le nom du profil, tel que la liste &quot;Publier sur&#xa0;:&quot; l’affiche</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The forum&apos;s web address</source>
        <translation>L’adresse web du forum</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The markup the forum reads</source>
        <translation>Le balisage que lit le forum</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The longest post the forum takes, in characters</source>
        <translation>La longueur maximale des messages acceptés par le forum, en caractères</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Longest post</source>
        <translation>Longueur maximale</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Name:</source>
        <translation>&amp;Nom&#xa0;:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Address:</source>
        <translation>&amp;Adresse&#xa0;:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Format:</source>
        <translation>&amp;Format&#xa0;:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Longest post:</source>
        <translation>&amp;Longueur maximale&#xa0;:</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>A&amp;dd</source>
        <translation>A&amp;jouter</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Keep Changes</source>
        <translation>&amp;Conserver les modifications</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Remove</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Adds an empty profile for the markup chosen from its menu</source>
        <translation>Ajoute un profil vide pour le balisage choisi dans son menu</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Keeps the changes to the chosen profile</source>
        <translation>Conserve les modifications du profil choisi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Removes the chosen profile</source>
        <translation>Supprime le profil choisi</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>%1 (built in)</source>
        <translation>%1 (intégré)</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>New forum</source>
        <translation>Nouveau forum</translation>
    </message>
</context>
</TS>
