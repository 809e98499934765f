<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name></name>
    <message id="untitled">
        <source>Untitled</source>
        <translation>Sans titre</translation>
    </message>
    <message id="mainWindow">
        <source>Fotino</source>
        <translation>Fotino</translation>
    </message>
    <message id="fileMenu">
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message id="newMenu">
        <source>&amp;New Photo…</source>
        <translation>&amp;Nouvelle photo…</translation>
    </message>
    <message id="pageSetupMenu">
        <source>Page Set&amp;up…</source>
        <translation>&amp;Mise en page…</translation>
    </message>
    <message id="printMenu">
        <source>&amp;Print…</source>
        <translation>&amp;Imprimer…</translation>
    </message>
    <message id="quitMenu">
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message id="editMenu">
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message id="undoMenu">
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message id="redoMenu">
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message id="cutMenu">
        <source>Cu&amp;t</source>
        <translation>Co&amp;uper</translation>
    </message>
    <message id="copyMenu">
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message id="pasteMenu">
        <source>&amp;Paste</source>
        <translation>C&amp;oller</translation>
    </message>
    <message id="deleteMenu">
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message id="selectAllMenu">
        <source>Select &amp;All</source>
        <translation>&amp;Tout sélectionner</translation>
    </message>
    <message id="preferencesMenu">
        <source>Pre&amp;ferences…</source>
        <translation>&amp;Préférences…</translation>
    </message>
    <message id="windowsMenu">
        <source>&amp;Window</source>
        <translation>Fe&amp;nêtre</translation>
    </message>
    <message id="minimizeMenu">
        <source>Mi&amp;nimize</source>
        <translation>&amp;Réduire</translation>
    </message>
    <message id="zoomMenu">
        <source>&amp;Zoom</source>
        <translation>&amp;Agrandir</translation>
    </message>
    <message id="bringToFrontMenu">
        <source>&amp;Bring All to Front</source>
        <translation>&amp;Tout ramener au premier plan</translation>
    </message>
    <message id="helpMenu">
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message id="helpMenuItem">
        <source>Fotino &amp;Help</source>
        <translation>&amp;Aide de Fotino</translation>
    </message>
    <message id="aboutMenu">
        <source>&amp;About Fotino</source>
        <translation>À &amp;propos de Fotino</translation>
    </message>
    <message id="newButton">
        <source>New…</source>
        <translation>Nouvelle…</translation>
    </message>
    <message id="printButton">
        <source>Print…</source>
        <translation>Imprimer…</translation>
    </message>
    <message id="deleteButton">
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message id="newPictureHint">
        <source>Make a new identity photo</source>
        <translation>Créer une nouvelle photo d’identité</translation>
    </message>
    <message id="printHint">
        <source>Print the ticked photos</source>
        <translation>Imprimer les photos cochées</translation>
    </message>
    <message id="deleteHint">
        <source>Delete the selected photo</source>
        <translation>Supprimer la photo sélectionnée</translation>
    </message>
    <message id="selectionColumn">
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message id="nameColumn">
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message id="sizeColumn">
        <source>Size</source>
        <translation>Format</translation>
    </message>
    <message id="emptyLibrary">
        <source>No photos yet.
The photos you make are listed here.</source>
        <translation>Aucune photo pour l’instant.
Les photos que vous créez apparaîtront ici.</translation>
    </message>
    <message id="cliHelp">
        <source>Usage: fotino [COMMAND]
Makes identity photographs. Without a command, starts the application.

Commands:
  list [--folder DIR]   list the documents of the library, one a line:
                        name, size and path, separated by tabs
  presets               list the presets: name, size, built-in or user, path
  new PICTURE... --preset NAME [--auto-frame] [--name N] [--folder DIR]
                        make a document of each picture in the library with the
                        preset (its name, or the file name of a built-in one);
                        --auto-frame frames it on the face. One line a picture:
                        name, path, head height and eye line in mm, and
                        ok, outside or no face
  check DOC.ftoct...    the same line for saved documents; exit code 1 when
                        one is not ok
  render DOC.ftoct -o OUT.png [--dpi N]
                        write the finished photo as PNG (300 dpi by default)
  export DOC.ftoct -o PATH [--format tiff|jpeg|png] [--dpi N | --pixels WxH]
                        [--quality Q | --max-kb N]
                        export the finished photo; PATH gets the format's extension
                        (PNG at 300 dpi by default; quality 0 to 1 for JPEG);
                        --max-kb N: a JPEG of the best quality that fits in
                        N × 1000 bytes, or nothing written when none does
  view DOC.ftoct        open the framing view of the document in a window:
                        its photo with the guides; drag the picture to try a framing
                        (nothing is saved)
  capture -o FILE.tif [--frames N]
                        take a picture with the camera (the Nth frame shown,
                        12 by default: about a second in) and write it as TIFF
  print --pdf OUT.pdf [--copies N] [--interspace POINTS] [--paper NAME] DOC.ftoct...
                        (PNG at 300 dpi by default; quality 0 to 1 for JPEG)
  view DOC.ftoct            ouvre la vue de cadrage du document dans une fenêtre :
                            sa photo avec les repères ; faites glisser l’image pour essayer
                            un cadrage (rien n’est enregistré)
  capture -o FICHIER.tif [--frames N]
                            prend une photo avec la caméra (la N-ième image affichée,
                            12 par défaut : environ une seconde) et l’écrit en TIFF
  print --pdf OUT.pdf [--copies N] [--interspace POINTS] [--paper NAME]
        [--cut-marks] DOC.ftoct...
  view DOC.ftoct        open the framing view of the document in a window:
                        its photo with the guides; drag the picture to try a framing
                        (nothing is saved)
  capture -o FILE.tif [--frames N]
                        take a picture with the camera (the Nth frame shown,
                        12 by default: about a second in) and write it as TIFF
  print --pdf OUT.pdf [--copies N] [--interspace POINTS] [--paper NAME] DOC.ftoct...
                        print copies of the documents on one sheet into a PDF;
                        papers: A4, Letter, A5, A6, 4x6in, 5x7in, 10x15cm, 13x18cm;
                        --cut-marks adds thin marks at the photos' corners to cut along
  --help                show this help
  --version             show the version

DIR defaults to the documents folder of the preferences.</source>
        <translation>Usage : fotino [COMMANDE]
Crée des photos d’identité. Sans commande, lance l’application.

Commandes :
  list [--folder DOSSIER]   liste les documents de la bibliothèque, un par ligne :
                            nom, format et chemin, séparés par des tabulations
  presets                   liste les formats : nom, taille, intégré ou personnel, chemin
  new IMAGE... --preset NOM [--auto-frame] [--name N] [--folder DOSSIER]
                            crée un document de chaque image dans la bibliothèque
                            avec le format NOM (son nom, ou le nom de fichier d’un
                            format intégré) ; --auto-frame le cadre sur le visage.
                            Une ligne par image : nom, chemin, hauteur de la tête
                            et ligne des yeux en mm, puis ok, outside ou no face
  check DOC.ftoct...        la même ligne pour des documents enregistrés ; code de
                            sortie 1 si l’un n’est pas ok
  render DOC.ftoct -o SORTIE.png [--dpi N]
                            écrit la photo finie en PNG (300 dpi par défaut)
  export DOC.ftoct -o CHEMIN [--format tiff|jpeg|png] [--dpi N | --pixels LxH]
                            [--quality Q | --max-kb N]
                            exporte la photo finie ; CHEMIN prend l’extension du format
                            (PNG à 300 dpi par défaut ; qualité de 0 à 1 pour le JPEG) ;
                            --max-kb N : un JPEG de la meilleure qualité qui tient dans
                            N × 1000 octets, ou rien d’écrit si aucune ne tient
  view DOC.ftoct            ouvre la vue de cadrage du document dans une fenêtre :
                            sa photo avec les repères ; faites glisser l’image pour essayer
                            un cadrage (rien n’est enregistré)
  capture -o FICHIER.tif [--frames N]
                            prend une photo avec la caméra (la N-ième image affichée,
                            12 par défaut : environ une seconde) et l’écrit en TIFF
  print --pdf SORTIE.pdf [--copies N] [--interspace POINTS] [--paper NOM]
        [--cut-marks] DOC.ftoct...
                            imprime des exemplaires des documents sur une feuille PDF ;
                            papiers : A4, Letter, A5, A6, 4x6in, 5x7in, 10x15cm, 13x18cm ;
                            --cut-marks ajoute de fins traits de coupe aux coins des photos
  --help                    affiche cette aide
  --version                 affiche la version

DOSSIER vaut par défaut le dossier des documents des préférences.</translation>
    </message>
    <message id="cliUnknownCommand">
        <source>fotino: unknown command “%1”</source>
        <translation>fotino : commande inconnue « %1 »</translation>
    </message>
    <message id="cliUnknownOption">
        <source>fotino: unknown option “%1”</source>
        <translation>fotino : option inconnue « %1 »</translation>
    </message>
    <message id="cliMissingValue">
        <source>fotino: %1 needs a value</source>
        <translation>fotino : %1 attend une valeur</translation>
    </message>
    <message id="cliNoFolder">
        <source>fotino: the folder %1 does not exist</source>
        <translation>fotino : le dossier %1 n’existe pas</translation>
    </message>
    <message id="cliSeeHelp">
        <source>Try “fotino --help” for more information.</source>
        <translation>Essayez « fotino --help » pour en savoir plus.</translation>
    </message>
    <message id="untitledPreset">
        <source>Untitled preset</source>
        <translation>Format sans titre</translation>
    </message>
    <message id="Cancel">
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message id="NoSelection">
        <source>No photo is ticked. Tick the photos you want to print in the library window.</source>
        <translation>Aucune photo n’est cochée. Cochez dans la bibliothèque les photos à imprimer.</translation>
    </message>
    <message id="ERROR_NO_VIDEOHWFOUND">
        <source>No camera was found. Connect a camera and try again.</source>
        <translation>Aucune caméra n’a été trouvée. Branchez une caméra et réessayez.</translation>
    </message>
    <message id="warning">
        <source>Delete this photo?</source>
        <translation>Supprimer cette photo ?</translation>
    </message>
    <message id="DeleteLong">
        <source>The photo, its picture and its settings are deleted. This cannot be undone.</source>
        <translation>La photo, son image et ses réglages seront supprimés. Cette action est irréversible.</translation>
    </message>
    <message id="newversion">
        <source>A new version of Fotino is available</source>
        <translation>Une nouvelle version de Fotino est disponible</translation>
    </message>
    <message id="newversionLong">
        <source>Open the Fotino web site to download it?</source>
        <translation>Ouvrir le site de Fotino pour la télécharger ?</translation>
    </message>
    <message id="MSG_NEW_VERSION">
        <source>A new version of Fotino is available</source>
        <translation>Une nouvelle version de Fotino est disponible</translation>
    </message>
    <message id="MSG_NEW_VERSION_LONG">
        <source>Open the Fotino web site to download it?</source>
        <translation>Ouvrir le site de Fotino pour la télécharger ?</translation>
    </message>
    <message id="MSG_VERSION_UPTODATE">
        <source>Fotino is up to date</source>
        <translation>Fotino est à jour</translation>
    </message>
    <message id="MSG_VERSION_UPTODATE_LONG">
        <source>You have the latest version.</source>
        <translation>Vous avez la dernière version.</translation>
    </message>
    <message id="ERROR_VERSION_CHECK">
        <source>The update check failed</source>
        <translation>La recherche de mise à jour a échoué</translation>
    </message>
    <message id="ERROR_VERSION_CHECK_LONG">
        <source>Fotino could not reach its web site. Check your network connection and try again later.</source>
        <translation>Fotino n’a pas pu joindre son site. Vérifiez votre connexion réseau et réessayez plus tard.</translation>
    </message>
    <message id="BTN_OK">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="BTN_CANCEL">
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message id="save">
        <source>Save the changes to this photo?</source>
        <translation>Enregistrer les modifications de cette photo ?</translation>
    </message>
    <message id="saveLong">
        <source>If you don’t save, your changes are lost.</source>
        <translation>Si vous n’enregistrez pas, vos modifications seront perdues.</translation>
    </message>
    <message id="FileExists">
        <source>A photo with this name already exists</source>
        <translation>Une photo porte déjà ce nom</translation>
    </message>
    <message id="FileExistsLong">
        <source>Replace it with this one?</source>
        <translation>La remplacer par celle-ci ?</translation>
    </message>
    <message id="noName">
        <source>Give the photo a name before saving it.</source>
        <translation>Donnez un nom à la photo avant de l’enregistrer.</translation>
    </message>
    <message id="noPicture">
        <source>Choose a picture for the photo before saving it.</source>
        <translation>Choisissez une image pour la photo avant de l’enregistrer.</translation>
    </message>
    <message id="unableToDeleteBuiltinPreset">
        <source>Built-in formats cannot be changed or deleted. Duplicate the format to make your own.</source>
        <translation>Les formats intégrés ne peuvent être ni modifiés ni supprimés. Dupliquez le format pour créer le vôtre.</translation>
    </message>
    <message id="cliBadValue">
        <source>fotino: %1 does not take “%2”</source>
        <translation>fotino : %1 n’accepte pas « %2 »</translation>
    </message>
    <message id="cliRenderUsage">
        <source>fotino: render needs a document and -o OUT.png</source>
        <translation>fotino : render attend un document et -o SORTIE.png</translation>
    </message>
    <message id="cliUnreadableDocument">
        <source>fotino: cannot read the document %1</source>
        <translation>fotino : impossible de lire le document %1</translation>
    </message>
    <message id="cliCannotWrite">
        <source>fotino: cannot write %1</source>
        <translation>fotino : impossible d’écrire %1</translation>
    </message>
    <message id="pageLayoutWindow">
        <source>Print Photos</source>
        <translation>Imprimer les photos</translation>
    </message>
    <message id="numberOfImagesLabel">
        <source>Copies of each photo:</source>
        <translation>Exemplaires de chaque photo :</translation>
    </message>
    <message id="pageSetupButton">
        <source>Page Setup…</source>
        <translation>Mise en page…</translation>
    </message>
    <message id="paperLabel">
        <source>Paper:</source>
        <translation>Papier :</translation>
    </message>
    <message id="interspaceLabel">
        <source>Space between photos:</source>
        <translation>Espace entre les photos :</translation>
    </message>
    <message id="paper_A4">
        <source>A4</source>
        <translation>A4</translation>
    </message>
    <message id="paper_Letter">
        <source>US Letter</source>
        <translation>US Lettre</translation>
    </message>
    <message id="paper_A5">
        <source>A5</source>
        <translation>A5</translation>
    </message>
    <message id="paper_A6">
        <source>A6</source>
        <translation>A6</translation>
    </message>
    <message id="paper_4x6in">
        <source>Photo 4×6 in</source>
        <translation>Photo 4×6 po</translation>
    </message>
    <message id="paper_5x7in">
        <source>Photo 5×7 in</source>
        <translation>Photo 5×7 po</translation>
    </message>
    <message id="paper_10x15cm">
        <source>Photo 10×15 cm</source>
        <translation>Photo 10×15 cm</translation>
    </message>
    <message id="paper_13x18cm">
        <source>Photo 13×18 cm</source>
        <translation>Photo 13×18 cm</translation>
    </message>
    <message id="cliPrintUsage">
        <source>fotino: print needs --pdf OUT.pdf and at least one document</source>
        <translation>fotino : print attend --pdf SORTIE.pdf et au moins un document</translation>
    </message>
    <message id="badName">
        <source>This name cannot be used for a file. Use a shorter name without “/” that is not “.” or “..”.</source>
        <translation>Ce nom ne peut pas servir de nom de fichier. Choisissez un nom plus court, sans « / », autre que « . » ou « .. ».</translation>
    </message>
    <message id="exportFormatLabel">
        <source>Format:</source>
        <translation>Format :</translation>
    </message>
    <message id="exportQualityLabel">
        <source>Quality:</source>
        <translation>Qualité :</translation>
    </message>
    <message id="exportQualityLow">
        <source>Smaller file</source>
        <translation>Fichier plus léger</translation>
    </message>
    <message id="exportQualityHigh">
        <source>Better quality</source>
        <translation>Meilleure qualité</translation>
    </message>
    <message id="exportResolutionLabel">
        <source>Resolution:</source>
        <translation>Résolution :</translation>
    </message>
    <message id="exportFormat_TIFF">
        <source>TIFF</source>
        <translation>TIFF</translation>
    </message>
    <message id="exportFormat_JPEG">
        <source>JPEG</source>
        <translation>JPEG</translation>
    </message>
    <message id="exportFormat_PNG">
        <source>PNG</source>
        <translation>PNG</translation>
    </message>
    <message id="exportResolution_dpi">
        <source>%1 dpi</source>
        <translation>%1 ppp</translation>
    </message>
    <message id="exportPixels">
        <source>Exact size in pixels</source>
        <translation>Taille exacte en pixels</translation>
    </message>
    <message id="exportPixelsWidth">
        <source>Width</source>
        <translation>Largeur</translation>
    </message>
    <message id="exportPixelsHeight">
        <source>Height</source>
        <translation>Hauteur</translation>
    </message>
    <message id="exportPixelsUnit">
        <source>px</source>
        <translation>px</translation>
    </message>
    <message id="cliExportUsage">
        <source>fotino: export needs a document and -o PATH</source>
        <translation>fotino : export attend un document et -o CHEMIN</translation>
    </message>
    <message id="cliNoBitmap">
        <source>fotino: cannot render %1 at that size</source>
        <translation>fotino : impossible de rendre %1 à cette taille</translation>
    </message>
    <message id="exportMenu">
        <source>E&amp;xport…</source>
        <translation>E&amp;xporter…</translation>
    </message>
    <message id="exportOverDocument">
        <source>“%1” is a file of a photo document. An export cannot replace it: choose another name or folder.</source>
        <translation>« %1 » est un fichier d’un document photo. Une exportation ne peut pas le remplacer : choisissez un autre nom ou un autre dossier.</translation>
    </message>
    <message id="cliBelongsToDocument">
        <source>fotino: %1 is a file of a photo document; an export cannot replace it</source>
        <translation>fotino : %1 est un fichier d’un document photo ; une exportation ne peut pas le remplacer</translation>
    </message>
    <message id="cliUnexpectedArgument">
        <source>fotino: unexpected argument “%1”</source>
        <translation>fotino : argument inattendu « %1 »</translation>
    </message>
    <message id="0_Face">
        <source>Face</source>
        <translation>Visage</translation>
    </message>
    <message id="Eyes">
        <source>Eyes</source>
        <translation>Yeux</translation>
    </message>
    <message id="cliViewUsage">
        <source>fotino: view needs one document</source>
        <translation>fotino : view demande un document</translation>
    </message>
    <message id="presetEditor">
        <source>Edit Preset</source>
        <translation>Modifier le format</translation>
    </message>
    <message id="generalLabel">
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message id="printAreaLabel">
        <source>Print Area</source>
        <translation>Zone d’impression</translation>
    </message>
    <message id="guidesLabel">
        <source>Guides</source>
        <translation>Repères</translation>
    </message>
    <message id="presetName">
        <source>Name:</source>
        <translation>Nom :</translation>
    </message>
    <message id="presetIcon">
        <source>Icon:</source>
        <translation>Icône :</translation>
    </message>
    <message id="widthLabel">
        <source>Width:</source>
        <translation>Largeur :</translation>
    </message>
    <message id="heightLabel">
        <source>Height:</source>
        <translation>Hauteur :</translation>
    </message>
    <message id="printMask">
        <source>Mask:</source>
        <translation>Masque :</translation>
    </message>
    <message id="faceLabel">
        <source>Face box</source>
        <translation>Cadre du visage</translation>
    </message>
    <message id="eyesLabel">
        <source>Eye band</source>
        <translation>Bande des yeux</translation>
    </message>
    <message id="leftLabel">
        <source>Left:</source>
        <translation>Gauche :</translation>
    </message>
    <message id="topLabel">
        <source>Top:</source>
        <translation>Haut :</translation>
    </message>
    <message id="rightLabel">
        <source>Right:</source>
        <translation>Droite :</translation>
    </message>
    <message id="bottomLabel">
        <source>Bottom:</source>
        <translation>Bas :</translation>
    </message>
    <message id="cancelButton">
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message id="saveButton">
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message id="centimetresUnit">
        <source>cm</source>
        <translation>cm</translation>
    </message>
    <message id="inchesUnit">
        <source>in</source>
        <translation>po</translation>
    </message>
    <message id="picturesFilter">
        <source>Pictures (%1)</source>
        <translation>Images (%1)</translation>
    </message>
    <message id="choosePicture">
        <source>Choose a Picture</source>
        <translation>Choisir une image</translation>
    </message>
    <message id="unreadablePicture">
        <source>“%1” is not a picture Fotino can read.</source>
        <translation>« %1 » n’est pas une image que Fotino sait lire.</translation>
    </message>
    <message id="presetGuideField">
        <source>%1 – %2</source>
        <translation>%1 – %2</translation>
    </message>
    <message id="presetNameEmpty">
        <source>“%1” is empty. Give the preset a name.</source>
        <translation>« %1 » est vide. Donnez un nom au format.</translation>
    </message>
    <message id="presetNameNotFileName">
        <source>The name in “%1” cannot be used for a file. Use a shorter name without “/” that is not “.” or “..”.</source>
        <translation>Le nom saisi dans « %1 » ne peut pas servir de nom de fichier. Choisissez un nom plus court, sans « / », autre que « . » ou « .. ».</translation>
    </message>
    <message id="presetLengthEmpty">
        <source>“%1” is empty. Enter a length.</source>
        <translation>« %1 » est vide. Saisissez une longueur.</translation>
    </message>
    <message id="presetLengthNotANumber">
        <source>“%1” is not a length. Enter a number with at most two decimals, such as 3.5.</source>
        <translation>« %1 » n’est pas une longueur. Saisissez un nombre d’au plus deux décimales, par exemple 3,5.</translation>
    </message>
    <message id="presetSizeOutOfRange">
        <source>“%1” must be more than 0 and at most 100 cm (39.37 in).</source>
        <translation>« %1 » doit être supérieure à 0 et d’au plus 100 cm (39,37 po).</translation>
    </message>
    <message id="presetGuideNotRightOfLeft">
        <source>“%1” must lie to the right of the left edge.</source>
        <translation>« %1 » doit se trouver à droite du bord gauche.</translation>
    </message>
    <message id="presetGuideNotAboveBottom">
        <source>“%1” must lie above the bottom edge.</source>
        <translation>« %1 » doit se trouver au-dessus du bord bas.</translation>
    </message>
    <message id="presetGuideOutsidePhoto">
        <source>“%1” lies outside the photo: guides must stay within its width and height.</source>
        <translation>« %1 » sort de la photo : les repères doivent rester dans sa largeur et sa hauteur.</translation>
    </message>
    <message id="presetNotSaved">
        <source>The preset could not be written to “%1”.</source>
        <translation>Le format n’a pas pu être enregistré dans « %1 ».</translation>
    </message>
    <message id="nameLabel">
        <source>Name:</source>
        <translation>Nom :</translation>
    </message>
    <message id="dropLabel">
        <source>Picture:</source>
        <translation>Image :</translation>
    </message>
    <message id="pictureSizeLabel">
        <source>Scale:</source>
        <translation>Échelle :</translation>
    </message>
    <message id="presetsLabel">
        <source>Format:</source>
        <translation>Format :</translation>
    </message>
    <message id="pictureFrameLabel">
        <source>Print size</source>
        <translation>Taille d’impression</translation>
    </message>
    <message id="faceFrameLabel">
        <source>Face frame:</source>
        <translation>Cadre du visage :</translation>
    </message>
    <message id="contrastLabel">
        <source>Contrast:</source>
        <translation>Contraste :</translation>
    </message>
    <message id="brightnessLabel">
        <source>Brightness:</source>
        <translation>Luminosité :</translation>
    </message>
    <message id="importImageButton">
        <source>Choose Picture…</source>
        <translation>Choisir une image…</translation>
    </message>
    <message id="displayFaceFrameSwitch">
        <source>Show guides</source>
        <translation>Afficher les repères</translation>
    </message>
    <message id="editPresetsButton">
        <source>Formats…</source>
        <translation>Formats…</translation>
    </message>
    <message id="grayscale">
        <source>Black and white</source>
        <translation>Noir et blanc</translation>
    </message>
    <message id="newPreset">
        <source>New…</source>
        <translation>Nouveau…</translation>
    </message>
    <message id="editPreset">
        <source>Edit…</source>
        <translation>Modifier…</translation>
    </message>
    <message id="deletePreset">
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message id="WARNING_IMAGE_NOT_COVERING">
        <source>The picture does not fill the photo.</source>
        <translation>L’image ne remplit pas la photo.</translation>
    </message>
    <message id="DuplicatePreset">
        <source>Duplicate</source>
        <translation>Dupliquer</translation>
    </message>
    <message id="CreatePreset">
        <source>New Format</source>
        <translation>Nouveau format</translation>
    </message>
    <message id="newPresetFromSelection">
        <source>Start the new format from the selected one, or from a blank format?</source>
        <translation>Partir du format sélectionné, ou d’un format vierge ?</translation>
    </message>
    <message id="pictureSettingsWindow">
        <source>Photo</source>
        <translation>Photo</translation>
    </message>
    <message id="rotateLeftHint">
        <source>Rotate left</source>
        <translation>Tourner à gauche</translation>
    </message>
    <message id="rotateRightHint">
        <source>Rotate right</source>
        <translation>Tourner à droite</translation>
    </message>
    <message id="saveFailed">
        <source>The photo could not be saved: its files could not be written in “%1”. Your changes are still here.</source>
        <translation>La photo n’a pas pu être enregistrée : ses fichiers n’ont pas pu être écrits dans « %1 ». Vos modifications sont conservées.</translation>
    </message>
    <message id="presetSizeColumn">
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message id="dropHint">
        <source>Drop a picture here, or click to choose one</source>
        <translation>Déposez une image ici, ou cliquez pour en choisir une</translation>
    </message>
    <message id="badFrameSize">
        <source>The width and height must be numbers above 0 and at most 100 cm (39.37 in).</source>
        <translation>La largeur et la hauteur doivent être des nombres supérieurs à 0 et d’au plus 100 cm (39,37 po).</translation>
    </message>
    <message id="editPictureMenu">
        <source>&amp;Edit Photo…</source>
        <translation>&amp;Modifier la photo…</translation>
    </message>
    <message id="Preferences">
        <source>Preferences</source>
        <translation>Préférences</translation>
    </message>
    <message id="unitLabel">
        <source>Show sizes &amp;in:</source>
        <translation>Afficher les tailles &amp;en :</translation>
    </message>
    <message id="Inches">
        <source>Inches</source>
        <translation>Pouces</translation>
    </message>
    <message id="Centimeters">
        <source>Centimetres</source>
        <translation>Centimètres</translation>
    </message>
    <message id="versionSwitch">
        <source>Check for a new version at &amp;start-up</source>
        <translation>Rechercher une nouvelle version au &amp;démarrage</translation>
    </message>
    <message id="chekNowButton">
        <source>Check &amp;Now</source>
        <translation>Rechercher &amp;maintenant</translation>
    </message>
    <message id="aboutWindow">
        <source>About Fotino</source>
        <translation>À propos de Fotino</translation>
    </message>
    <message id="closeMenu">
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message id="aboutDocument">
        <source>about/about_en.html</source>
        <translation>about/about_fr.html</translation>
    </message>
    <message id="webcamMenu">
        <source>&amp;Take Photo…</source>
        <translation>&amp;Prendre une photo…</translation>
    </message>
    <message id="captureWindow">
        <source>Take Photo</source>
        <translation>Prendre une photo</translation>
    </message>
    <message id="captureGrab">
        <source>&amp;Take Photo</source>
        <translation>&amp;Prendre la photo</translation>
    </message>
    <message id="captureClear">
        <source>&amp;Retake</source>
        <translation>&amp;Reprendre</translation>
    </message>
    <message id="captureAccept">
        <source>&amp;Accept</source>
        <translation>&amp;Accepter</translation>
    </message>
    <message id="captureHint">
        <source>Place the face inside the blue frame.</source>
        <translation>Placez le visage dans le cadre bleu.</translation>
    </message>
    <message id="captureWriteFailed">
        <source>The photo could not be saved to %1.</source>
        <translation>La photo n’a pas pu être enregistrée dans %1.</translation>
    </message>
    <message id="cliCaptureUsage">
        <source>fotino: capture needs -o FILE.tif</source>
        <translation>fotino : capture attend -o FICHIER.tif</translation>
    </message>
    <message id="cliNoCamera">
        <source>fotino: no camera was found</source>
        <translation>fotino : aucune caméra n’a été trouvée</translation>
    </message>
    <message id="cliCaptureFailed">
        <source>fotino: the camera gave no picture: %1</source>
        <translation>fotino : la caméra n’a donné aucune image : %1</translation>
    </message>
    <message id="applicationMenu">
        <source>Fotino</source>
        <translation>Fotino</translation>
    </message>
    <message id="servicesMenu">
        <source>Services</source>
        <translation>Services</translation>
    </message>
    <message id="hideMenu">
        <source>Hide Fotino</source>
        <translation>Masquer Fotino</translation>
    </message>
    <message id="hideOthersMenu">
        <source>Hide Others</source>
        <translation>Masquer les autres</translation>
    </message>
    <message id="showAllMenu">
        <source>Show All</source>
        <translation>Tout afficher</translation>
    </message>
    <message id="autoFrameButton">
        <source>Auto-frame</source>
        <translation>Cadrage auto</translation>
    </message>
    <message id="autoFrameHint">
        <source>Finds the face and frames it to the format's rules</source>
        <translation>Trouve le visage et le cadre selon les règles du format</translation>
    </message>
    <message id="hintsLabel">
        <source>Check:</source>
        <translation>Contrôle :</translation>
    </message>
    <message id="hintNoFace">
        <source>No face found</source>
        <translation>Aucun visage trouvé</translation>
    </message>
    <message id="hintHead">
        <source>Head height %1 mm</source>
        <translation>Hauteur de la tête %1 mm</translation>
    </message>
    <message id="hintHeadInside">
        <source>Head height %1 mm, within %2–%3 mm</source>
        <translation>Hauteur de la tête %1 mm, dans la plage %2–%3 mm</translation>
    </message>
    <message id="hintHeadTooLarge">
        <source>Head height %1 mm: %2 mm too large (%3–%4 mm)</source>
        <translation>Hauteur de la tête %1 mm : %2 mm de trop (%3–%4 mm)</translation>
    </message>
    <message id="hintHeadTooSmall">
        <source>Head height %1 mm: %2 mm too small (%3–%4 mm)</source>
        <translation>Hauteur de la tête %1 mm : %2 mm de moins que requis (%3–%4 mm)</translation>
    </message>
    <message id="hintEyes">
        <source>Eye line %1 mm from the bottom</source>
        <translation>Ligne des yeux à %1 mm du bas</translation>
    </message>
    <message id="hintEyesInside">
        <source>Eye line %1 mm from the bottom, within %2–%3 mm</source>
        <translation>Ligne des yeux à %1 mm du bas, dans la plage %2–%3 mm</translation>
    </message>
    <message id="hintEyesTooHigh">
        <source>Eye line %1 mm from the bottom: %2 mm too high (%3–%4 mm)</source>
        <translation>Ligne des yeux à %1 mm du bas : %2 mm trop haut (%3–%4 mm)</translation>
    </message>
    <message id="hintEyesTooLow">
        <source>Eye line %1 mm from the bottom: %2 mm too low (%3–%4 mm)</source>
        <translation>Ligne des yeux à %1 mm du bas : %2 mm trop bas (%3–%4 mm)</translation>
    </message>
    <message id="hintTilted">
        <source>The head is tilted by %1°: hold it straight or use Auto-frame</source>
        <translation>La tête est inclinée de %1° : tenez-la droite ou utilisez le cadrage auto</translation>
    </message>
    <message id="hintBackgroundFine">
        <source>Background plain and light</source>
        <translation>Fond uni et clair</translation>
    </message>
    <message id="hintBackgroundDark">
        <source>Background too dark: stand in front of a plain, light wall</source>
        <translation>Fond trop sombre : placez-vous devant un mur uni et clair</translation>
    </message>
    <message id="hintBackgroundColoured">
        <source>Background too colourful: stand in front of a plain, light wall</source>
        <translation>Fond trop coloré : placez-vous devant un mur uni et clair</translation>
    </message>
    <message id="hintBackgroundBusy">
        <source>Background not plain (objects or shadows): use a plain, evenly lit wall</source>
        <translation>Fond non uni (objets ou ombres) : utilisez un mur uni, éclairé uniformément</translation>
    </message>
    <message id="hintBackgroundWhite">
        <source>Background white: this format asks for a light colour other than white</source>
        <translation>Fond blanc : ce format demande une couleur claire autre que le blanc</translation>
    </message>
    <message id="cliMaxKbNeedsJpeg">
        <source>fotino: --max-kb makes a JPEG: leave out --format or give --format jpeg</source>
        <translation>fotino : --max-kb produit un JPEG : omettez --format ou indiquez --format jpeg</translation>
    </message>
    <message id="cliMaxKbWithQuality">
        <source>fotino: --max-kb chooses the JPEG quality itself: leave out --quality</source>
        <translation>fotino : --max-kb choisit lui-même la qualité JPEG : omettez --quality</translation>
    </message>
    <message id="cliTooLarge">
        <source>fotino: %4 was not written: even at the lowest JPEG quality the photo takes %1 bytes, more than %2 KB (%3 bytes)</source>
        <translation>fotino : %4 n’a pas été écrit : même à la qualité JPEG la plus basse, la photo occupe %1 octets, plus que %2 Ko (%3 octets)</translation>
    </message>
    <message id="exportMaxSizeLabel">
        <source>Maximum file size:</source>
        <translation>Taille maximale du fichier :</translation>
    </message>
    <message id="exportMaxSizeUnit">
        <source>KB</source>
        <translation>Ko</translation>
    </message>
    <message id="exportMaxSizeNone">
        <source>No limit</source>
        <translation>Sans limite</translation>
    </message>
    <message id="exportMaxSizeHelp">
        <source>The best JPEG quality whose file fits in this many kilobytes of 1000 bytes. Empty: no limit.</source>
        <translation>La meilleure qualité JPEG dont le fichier tient dans ce nombre de kilooctets de 1000 octets. Vide : sans limite.</translation>
    </message>
    <message id="exportTooLarge">
        <source>The photo does not fit in %1 KB, even at the lowest JPEG quality. Nothing was written: allow a larger file or choose a smaller size in pixels.</source>
        <translation>La photo ne tient pas dans %1 Ko, même à la qualité JPEG la plus basse. Rien n’a été écrit : autorisez un fichier plus grand ou choisissez une taille en pixels plus petite.</translation>
    </message>
    <message id="presetRulesLabel">
        <source>Format Rules</source>
        <translation>Règles du format</translation>
    </message>
    <message id="presetHeadHeightLabel">
        <source>Head height:</source>
        <translation>Hauteur de la tête :</translation>
    </message>
    <message id="presetEyeLineLabel">
        <source>Eye line height:</source>
        <translation>Hauteur des yeux :</translation>
    </message>
    <message id="presetRangeTo">
        <source>to</source>
        <translation>à</translation>
    </message>
    <message id="presetRulesUnit">
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message id="presetBackgroundLabel">
        <source>Background:</source>
        <translation>Fond :</translation>
    </message>
    <message id="presetBackgroundLight">
        <source>Plain and light</source>
        <translation>Uni et clair</translation>
    </message>
    <message id="presetBackgroundWhite">
        <source>White or off-white</source>
        <translation>Blanc ou blanc cassé</translation>
    </message>
    <message id="presetBackgroundLightNotWhite">
        <source>Light, but not white</source>
        <translation>Clair, mais pas blanc</translation>
    </message>
    <message id="presetRulesHint">
        <source>Leave a range empty where the format sets none.</source>
        <translation>Laissez vide une plage que le format ne fixe pas.</translation>
    </message>
    <message id="presetHeadHeightHint">
        <source>The height of the head on the printed photo, from the chin to the crown, that the format accepts.</source>
        <translation>La hauteur de la tête sur la photo imprimée, du menton au sommet du crâne, que le format accepte.</translation>
    </message>
    <message id="presetEyeLineHint">
        <source>The height of the eye line above the photo’s bottom edge that the format accepts.</source>
        <translation>La hauteur de la ligne des yeux au-dessus du bord bas de la photo que le format accepte.</translation>
    </message>
    <message id="presetRuleMinimumField">
        <source>%1 (minimum)</source>
        <translation>%1 (minimum)</translation>
    </message>
    <message id="presetRuleMaximumField">
        <source>%1 (maximum)</source>
        <translation>%1 (maximum)</translation>
    </message>
    <message id="presetRuleHalfEmpty">
        <source>“%1” is empty. Enter both ends of the range, or leave both empty.</source>
        <translation>« %1 » est vide. Saisissez les deux bornes de la plage, ou laissez-les vides toutes les deux.</translation>
    </message>
    <message id="presetRuleOutOfRange">
        <source>“%1” must be more than 0 mm and at most the photo’s height.</source>
        <translation>« %1 » doit être supérieure à 0 mm et au plus égale à la hauteur de la photo.</translation>
    </message>
    <message id="presetRuleBelowMinimum">
        <source>“%1” must not be below the minimum of the range.</source>
        <translation>« %1 » ne doit pas être inférieure au minimum de la plage.</translation>
    </message>
    <message id="cutMarksBox">
        <source>Cut marks</source>
        <translation>Traits de coupe</translation>
    </message>
    <message id="cliNewUsage">
        <source>fotino: new needs at least one picture and --preset NAME</source>
        <translation>fotino : new attend au moins une image et --preset NOM</translation>
    </message>
    <message id="cliCheckUsage">
        <source>fotino: check needs at least one document</source>
        <translation>fotino : check attend au moins un document</translation>
    </message>
    <message id="cliUnknownPreset">
        <source>fotino: no preset is named “%1”; “fotino presets” lists them</source>
        <translation>fotino : aucun format ne s’appelle « %1 » ; « fotino presets » les liste</translation>
    </message>
    <message id="cliUnreadablePicture">
        <source>fotino: %1 is not a picture Fotino can read</source>
        <translation>fotino : %1 n’est pas une image que Fotino sait lire</translation>
    </message>
    <message id="cliUnusableName">
        <source>fotino: %1: “%2” cannot be the name of a document</source>
        <translation>fotino : %1 : « %2 » ne peut pas être le nom d’un document</translation>
    </message>
    <message id="cliCannotSave">
        <source>fotino: %1: cannot save its document in %2</source>
        <translation>fotino : %1 : impossible d’enregistrer son document dans %2</translation>
    </message>
    <message id="cliNoPicture">
        <source>fotino: cannot read the picture of the document %1</source>
        <translation>fotino : impossible de lire l’image du document %1</translation>
    </message>
    <message id="batchImportMenu">
        <source>Import Pictures…</source>
        <translation>Importer des images…</translation>
    </message>
    <message id="batchImportWindow">
        <source>Import Pictures</source>
        <translation>Importer des images</translation>
    </message>
    <message id="batchImportIntro">
        <source>Pictures chosen: %1. Each becomes a document of the library, named after its file.</source>
        <translation>Images choisies : %1. Chacune devient un document de la bibliothèque, nommé d’après son fichier.</translation>
    </message>
    <message id="batchAutoFrame">
        <source>Auto-frame on the face</source>
        <translation>Cadrer automatiquement sur le visage</translation>
    </message>
    <message id="batchImportButton">
        <source>Import</source>
        <translation>Importer</translation>
    </message>
    <message id="batchPicturesFilter">
        <source>Pictures</source>
        <translation>Images</translation>
    </message>
    <message id="batchProgress">
        <source>Importing “%1” (%2 of %3)…</source>
        <translation>Importation de « %1 » (%2 sur %3)…</translation>
    </message>
    <message id="batchDone">
        <source>Documents made: %1 of %2.</source>
        <translation>Documents créés : %1 sur %2.</translation>
    </message>
    <message id="batchCancelled">
        <source>Import cancelled. Documents made: %1 of %2.</source>
        <translation>Importation annulée. Documents créés : %1 sur %2.</translation>
    </message>
    <message id="batchNoFace">
        <source>No face found, framed as a new document (check them by hand):</source>
        <translation>Aucun visage trouvé, cadrées comme un nouveau document (à vérifier à la main) :</translation>
    </message>
    <message id="batchOutside">
        <source>Outside the format’s rules:</source>
        <translation>Hors des règles du format :</translation>
    </message>
    <message id="batchFailed">
        <source>Not imported:</source>
        <translation>Non importées :</translation>
    </message>
    <message id="batchUnreadable">
        <source>not a picture Fotino can read</source>
        <translation>image que Fotino ne sait pas lire</translation>
    </message>
    <message id="batchBadName">
        <source>its name cannot name a document</source>
        <translation>son nom ne peut pas nommer un document</translation>
    </message>
    <message id="batchWriteFailed">
        <source>could not be saved</source>
        <translation>enregistrement impossible</translation>
    </message>
    <message id="batchMore">
        <source>and %1 more</source>
        <translation>et %1 de plus</translation>
    </message>
    <message id="millimetresUnit">
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message id="saveFailedDiskFull">
        <source>The photo could not be saved: the disk holding “%1” is full. The files already there are unchanged and your changes are still here. Free some space and save again.</source>
        <translation>La photo n’a pas pu être enregistrée : le disque qui contient « %1 » est plein. Les fichiers déjà présents sont intacts et vos modifications sont conservées. Libérez de la place, puis enregistrez à nouveau.</translation>
    </message>
    <message id="presetNotSavedDiskFull">
        <source>The preset could not be saved: the disk holding “%1” is full. The presets already there are unchanged. Free some space and save again.</source>
        <translation>Le format n’a pas pu être enregistré : le disque qui contient « %1 » est plein. Les formats déjà présents sont intacts. Libérez de la place, puis enregistrez à nouveau.</translation>
    </message>
    <message id="exportDiskFull">
        <source>“%1” could not be exported: the disk is full. A file already there under that name is unchanged. Free some space and export again.</source>
        <translation>« %1 » n’a pas pu être exporté : le disque est plein. Un fichier déjà présent sous ce nom est intact. Libérez de la place, puis exportez à nouveau.</translation>
    </message>
    <message id="printDiskFull">
        <source>“%1” could not be written: the disk is full. A file already there under that name is unchanged. Free some space and print again.</source>
        <translation>« %1 » n’a pas pu être écrit : le disque est plein. Un fichier déjà présent sous ce nom est intact. Libérez de la place, puis imprimez à nouveau.</translation>
    </message>
    <message id="cliDiskFull">
        <source>fotino: cannot write %1: the disk is full</source>
        <translation>fotino : impossible d’écrire %1 : le disque est plein</translation>
    </message>
    <message id="batchDiskFull">
        <source>the disk is full; the pictures after it were not imported</source>
        <translation>le disque est plein ; les images suivantes n’ont pas été importées</translation>
    </message>
    <message id="cliNoFrameInTime">
        <source>no frame in time</source>
        <translation>aucune image à temps</translation>
    </message>
</context>
</TS>
