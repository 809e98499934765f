<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name></name>
    <message id="untitled">
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
    <message id="mainWindow">
        <source>Fotino</source>
        <translation>Fotino</translation>
    </message>
    <message id="fileMenu">
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message id="newMenu">
        <source>&amp;New Photo…</source>
        <translation>&amp;Neues Foto…</translation>
    </message>
    <message id="pageSetupMenu">
        <source>Page Set&amp;up…</source>
        <translation>Seite &amp;einrichten…</translation>
    </message>
    <message id="printMenu">
        <source>&amp;Print…</source>
        <translation>&amp;Drucken…</translation>
    </message>
    <message id="quitMenu">
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message id="editMenu">
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message id="undoMenu">
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message id="redoMenu">
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message id="cutMenu">
        <source>Cu&amp;t</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message id="copyMenu">
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message id="pasteMenu">
        <source>&amp;Paste</source>
        <translation>E&amp;infügen</translation>
    </message>
    <message id="deleteMenu">
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message id="selectAllMenu">
        <source>Select &amp;All</source>
        <translation>Alles a&amp;uswählen</translation>
    </message>
    <message id="preferencesMenu">
        <source>Pre&amp;ferences…</source>
        <translation>&amp;Einstellungen…</translation>
    </message>
    <message id="windowsMenu">
        <source>&amp;Window</source>
        <translation>&amp;Fenster</translation>
    </message>
    <message id="minimizeMenu">
        <source>Mi&amp;nimize</source>
        <translation>&amp;Minimieren</translation>
    </message>
    <message id="zoomMenu">
        <source>&amp;Zoom</source>
        <translation>Ma&amp;ximieren</translation>
    </message>
    <message id="bringToFrontMenu">
        <source>&amp;Bring All to Front</source>
        <translation>Alle nach &amp;vorne bringen</translation>
    </message>
    <message id="helpMenu">
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message id="helpMenuItem">
        <source>Fotino &amp;Help</source>
        <translation>Fotino-&amp;Hilfe</translation>
    </message>
    <message id="aboutMenu">
        <source>&amp;About Fotino</source>
        <translation>&amp;Über Fotino</translation>
    </message>
    <message id="newButton">
        <source>New…</source>
        <translation>Neu…</translation>
    </message>
    <message id="printButton">
        <source>Print…</source>
        <translation>Drucken…</translation>
    </message>
    <message id="deleteButton">
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message id="newPictureHint">
        <source>Make a new identity photo</source>
        <translation>Ein neues Passfoto anlegen</translation>
    </message>
    <message id="printHint">
        <source>Print the ticked photos</source>
        <translation>Die angehakten Fotos drucken</translation>
    </message>
    <message id="deleteHint">
        <source>Delete the selected photo</source>
        <translation>Das ausgewählte Foto löschen</translation>
    </message>
    <message id="selectionColumn">
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message id="nameColumn">
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message id="sizeColumn">
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message id="emptyLibrary">
        <source>No photos yet.
The photos you make are listed here.</source>
        <translation>Noch keine Fotos.
Hier erscheinen die Fotos, die Sie anlegen.</translation>
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
  view DOK.ftoct           öffnet die Ausschnittansicht des Dokuments in einem Fenster:
                           sein Foto mit den Hilfslinien; das Bild lässt sich zur Probe
                           verschieben (nichts wird gespeichert)
  capture -o DATEI.tif [--frames N]
                           nimmt ein Foto mit der Kamera auf (das N-te gezeigte Bild,
                           standardmäßig 12: etwa eine Sekunde) und schreibt es als TIFF
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
        <translation>Aufruf: fotino [BEFEHL]
Erstellt Passfotos. Ohne Befehl startet das Programm.

Befehle:
  list [--folder ORDNER]   listet die Dokumente der Bibliothek, eines pro Zeile:
                           Name, Größe und Pfad, durch Tabulatoren getrennt
  presets                  listet die Formate: Name, Größe, eingebaut oder eigen, Pfad
  new BILD... --preset NAME [--auto-frame] [--name N] [--folder ORDNER]
                           legt aus jedem Bild ein Dokument in der Bibliothek an,
                           mit dem Format NAME (sein Name oder der Dateiname eines
                           eingebauten); --auto-frame richtet es am Gesicht aus.
                           Eine Zeile pro Bild: Name, Pfad, Kopfhöhe und Augenlinie
                           in mm, dann ok, outside oder no face
  check DOK.ftoct...       dieselbe Zeile für gespeicherte Dokumente; Exit-Code 1,
                           wenn eines nicht ok ist
  render DOK.ftoct -o AUSGABE.png [--dpi N]
                           schreibt das fertige Foto als PNG (standardmäßig 300 dpi)
  export DOK.ftoct -o PFAD [--format tiff|jpeg|png] [--dpi N | --pixels BxH]
                           [--quality Q | --max-kb N]
                           exportiert das fertige Foto; PFAD erhält die Endung des Formats
                           (standardmäßig PNG mit 300 dpi; Qualität 0 bis 1 für JPEG);
                           --max-kb N: ein JPEG der besten Qualität, die in N × 1000 Byte
                           passt, oder nichts geschrieben, wenn keine passt
  view DOK.ftoct           öffnet die Ausschnittansicht des Dokuments in einem Fenster:
                           sein Foto mit den Hilfslinien; das Bild lässt sich zur Probe
                           verschieben (nichts wird gespeichert)
  capture -o DATEI.tif [--frames N]
                           nimmt ein Foto mit der Kamera auf (das N-te gezeigte Bild,
                           standardmäßig 12: etwa eine Sekunde) und schreibt es als TIFF
  print --pdf AUSGABE.pdf [--copies N] [--interspace PUNKTE] [--paper NAME]
        [--cut-marks] DOK.ftoct...
                           druckt Exemplare der Dokumente auf einen Bogen in ein PDF;
                           Papiere: A4, Letter, A5, A6, 4x6in, 5x7in, 10x15cm, 13x18cm;
                           --cut-marks setzt feine Schnittmarken an die Ecken der Fotos
  --help                   zeigt diese Hilfe
  --version                zeigt die Version

ORDNER ist ohne Angabe der Dokumentordner aus den Einstellungen.</translation>
    </message>
    <message id="cliUnknownCommand">
        <source>fotino: unknown command “%1”</source>
        <translation>fotino: unbekannter Befehl „%1“</translation>
    </message>
    <message id="cliUnknownOption">
        <source>fotino: unknown option “%1”</source>
        <translation>fotino: unbekannte Option „%1“</translation>
    </message>
    <message id="cliMissingValue">
        <source>fotino: %1 needs a value</source>
        <translation>fotino: %1 braucht einen Wert</translation>
    </message>
    <message id="cliNoFolder">
        <source>fotino: the folder %1 does not exist</source>
        <translation>fotino: der Ordner %1 existiert nicht</translation>
    </message>
    <message id="cliSeeHelp">
        <source>Try “fotino --help” for more information.</source>
        <translation>„fotino --help“ zeigt weitere Informationen.</translation>
    </message>
    <message id="untitledPreset">
        <source>Untitled preset</source>
        <translation>Unbenanntes Format</translation>
    </message>
    <message id="Cancel">
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message id="NoSelection">
        <source>No photo is ticked. Tick the photos you want to print in the library window.</source>
        <translation>Kein Foto ist angehakt. Haken Sie in der Bibliothek die Fotos an, die Sie drucken möchten.</translation>
    </message>
    <message id="ERROR_NO_VIDEOHWFOUND">
        <source>No camera was found. Connect a camera and try again.</source>
        <translation>Es wurde keine Kamera gefunden. Schließen Sie eine Kamera an und versuchen Sie es erneut.</translation>
    </message>
    <message id="warning">
        <source>Delete this photo?</source>
        <translation>Dieses Foto löschen?</translation>
    </message>
    <message id="DeleteLong">
        <source>The photo, its picture and its settings are deleted. This cannot be undone.</source>
        <translation>Das Foto, sein Bild und seine Einstellungen werden gelöscht. Dies kann nicht rückgängig gemacht werden.</translation>
    </message>
    <message id="newversion">
        <source>A new version of Fotino is available</source>
        <translation>Eine neue Version von Fotino ist verfügbar</translation>
    </message>
    <message id="newversionLong">
        <source>Open the Fotino web site to download it?</source>
        <translation>Die Fotino-Website öffnen, um sie herunterzuladen?</translation>
    </message>
    <message id="MSG_NEW_VERSION">
        <source>A new version of Fotino is available</source>
        <translation>Eine neue Version von Fotino ist verfügbar</translation>
    </message>
    <message id="MSG_NEW_VERSION_LONG">
        <source>Open the Fotino web site to download it?</source>
        <translation>Die Fotino-Website öffnen, um sie herunterzuladen?</translation>
    </message>
    <message id="MSG_VERSION_UPTODATE">
        <source>Fotino is up to date</source>
        <translation>Fotino ist auf dem neuesten Stand</translation>
    </message>
    <message id="MSG_VERSION_UPTODATE_LONG">
        <source>You have the latest version.</source>
        <translation>Sie haben die neueste Version.</translation>
    </message>
    <message id="ERROR_VERSION_CHECK">
        <source>The update check failed</source>
        <translation>Die Suche nach Updates ist fehlgeschlagen</translation>
    </message>
    <message id="ERROR_VERSION_CHECK_LONG">
        <source>Fotino could not reach its web site. Check your network connection and try again later.</source>
        <translation>Fotino konnte seine Website nicht erreichen. Prüfen Sie Ihre Netzwerkverbindung und versuchen Sie es später erneut.</translation>
    </message>
    <message id="BTN_OK">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="BTN_CANCEL">
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message id="save">
        <source>Save the changes to this photo?</source>
        <translation>Die Änderungen an diesem Foto sichern?</translation>
    </message>
    <message id="saveLong">
        <source>If you don’t save, your changes are lost.</source>
        <translation>Wenn Sie nicht sichern, gehen Ihre Änderungen verloren.</translation>
    </message>
    <message id="FileExists">
        <source>A photo with this name already exists</source>
        <translation>Ein Foto mit diesem Namen gibt es bereits</translation>
    </message>
    <message id="FileExistsLong">
        <source>Replace it with this one?</source>
        <translation>Soll es durch dieses ersetzt werden?</translation>
    </message>
    <message id="noName">
        <source>Give the photo a name before saving it.</source>
        <translation>Geben Sie dem Foto einen Namen, bevor Sie es sichern.</translation>
    </message>
    <message id="noPicture">
        <source>Choose a picture for the photo before saving it.</source>
        <translation>Wählen Sie ein Bild für das Foto, bevor Sie es sichern.</translation>
    </message>
    <message id="unableToDeleteBuiltinPreset">
        <source>Built-in formats cannot be changed or deleted. Duplicate the format to make your own.</source>
        <translation>Eingebaute Formate können weder geändert noch gelöscht werden. Duplizieren Sie das Format, um ein eigenes anzulegen.</translation>
    </message>
    <message id="cliBadValue">
        <source>fotino: %1 does not take “%2”</source>
        <translation>fotino: %1 akzeptiert „%2“ nicht</translation>
    </message>
    <message id="cliRenderUsage">
        <source>fotino: render needs a document and -o OUT.png</source>
        <translation>fotino: render braucht ein Dokument und -o AUSGABE.png</translation>
    </message>
    <message id="cliUnreadableDocument">
        <source>fotino: cannot read the document %1</source>
        <translation>fotino: das Dokument %1 kann nicht gelesen werden</translation>
    </message>
    <message id="cliCannotWrite">
        <source>fotino: cannot write %1</source>
        <translation>fotino: %1 kann nicht geschrieben werden</translation>
    </message>
    <message id="pageLayoutWindow">
        <source>Print Photos</source>
        <translation>Fotos drucken</translation>
    </message>
    <message id="numberOfImagesLabel">
        <source>Copies of each photo:</source>
        <translation>Exemplare je Foto:</translation>
    </message>
    <message id="pageSetupButton">
        <source>Page Setup…</source>
        <translation>Seite einrichten…</translation>
    </message>
    <message id="paperLabel">
        <source>Paper:</source>
        <translation>Papier:</translation>
    </message>
    <message id="interspaceLabel">
        <source>Space between photos:</source>
        <translation>Abstand zwischen den Fotos:</translation>
    </message>
    <message id="paper_A4">
        <source>A4</source>
        <translation>A4</translation>
    </message>
    <message id="paper_Letter">
        <source>US Letter</source>
        <translation>US Letter</translation>
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
        <translation>Foto 4×6 Zoll</translation>
    </message>
    <message id="paper_5x7in">
        <source>Photo 5×7 in</source>
        <translation>Foto 5×7 Zoll</translation>
    </message>
    <message id="paper_10x15cm">
        <source>Photo 10×15 cm</source>
        <translation>Foto 10×15 cm</translation>
    </message>
    <message id="paper_13x18cm">
        <source>Photo 13×18 cm</source>
        <translation>Foto 13×18 cm</translation>
    </message>
    <message id="cliPrintUsage">
        <source>fotino: print needs --pdf OUT.pdf and at least one document</source>
        <translation>fotino: print braucht --pdf AUSGABE.pdf und mindestens ein Dokument</translation>
    </message>
    <message id="badName">
        <source>This name cannot be used for a file. Use a shorter name without “/” that is not “.” or “..”.</source>
        <translation>Dieser Name kann nicht als Dateiname dienen. Wählen Sie einen kürzeren Namen ohne „/“, der nicht „.“ oder „..“ lautet.</translation>
    </message>
    <message id="exportFormatLabel">
        <source>Format:</source>
        <translation>Format:</translation>
    </message>
    <message id="exportQualityLabel">
        <source>Quality:</source>
        <translation>Qualität:</translation>
    </message>
    <message id="exportQualityLow">
        <source>Smaller file</source>
        <translation>Kleinere Datei</translation>
    </message>
    <message id="exportQualityHigh">
        <source>Better quality</source>
        <translation>Bessere Qualität</translation>
    </message>
    <message id="exportResolutionLabel">
        <source>Resolution:</source>
        <translation>Auflösung:</translation>
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
        <translation>%1 dpi</translation>
    </message>
    <message id="exportPixels">
        <source>Exact size in pixels</source>
        <translation>Exakte Größe in Pixeln</translation>
    </message>
    <message id="exportPixelsWidth">
        <source>Width</source>
        <translation>Breite</translation>
    </message>
    <message id="exportPixelsHeight">
        <source>Height</source>
        <translation>Höhe</translation>
    </message>
    <message id="exportPixelsUnit">
        <source>px</source>
        <translation>px</translation>
    </message>
    <message id="cliExportUsage">
        <source>fotino: export needs a document and -o PATH</source>
        <translation>fotino: export braucht ein Dokument und -o PFAD</translation>
    </message>
    <message id="cliNoBitmap">
        <source>fotino: cannot render %1 at that size</source>
        <translation>fotino: %1 kann in dieser Größe nicht erzeugt werden</translation>
    </message>
    <message id="exportMenu">
        <source>E&amp;xport…</source>
        <translation>E&amp;xportieren…</translation>
    </message>
    <message id="exportOverDocument">
        <source>“%1” is a file of a photo document. An export cannot replace it: choose another name or folder.</source>
        <translation>„%1“ ist eine Datei eines Fotodokuments. Ein Export kann sie nicht ersetzen: Wählen Sie einen anderen Namen oder Ordner.</translation>
    </message>
    <message id="cliBelongsToDocument">
        <source>fotino: %1 is a file of a photo document; an export cannot replace it</source>
        <translation>fotino: %1 ist eine Datei eines Fotodokuments; ein Export kann sie nicht ersetzen</translation>
    </message>
    <message id="cliUnexpectedArgument">
        <source>fotino: unexpected argument “%1”</source>
        <translation>fotino: unerwartetes Argument „%1“</translation>
    </message>
    <message id="0_Face">
        <source>Face</source>
        <translation>Gesicht</translation>
    </message>
    <message id="Eyes">
        <source>Eyes</source>
        <translation>Augen</translation>
    </message>
    <message id="cliViewUsage">
        <source>fotino: view needs one document</source>
        <translation>fotino: view braucht ein Dokument</translation>
    </message>
    <message id="presetEditor">
        <source>Edit Preset</source>
        <translation>Format bearbeiten</translation>
    </message>
    <message id="generalLabel">
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message id="printAreaLabel">
        <source>Print Area</source>
        <translation>Druckbereich</translation>
    </message>
    <message id="guidesLabel">
        <source>Guides</source>
        <translation>Hilfslinien</translation>
    </message>
    <message id="presetName">
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message id="presetIcon">
        <source>Icon:</source>
        <translation>Symbol:</translation>
    </message>
    <message id="widthLabel">
        <source>Width:</source>
        <translation>Breite:</translation>
    </message>
    <message id="heightLabel">
        <source>Height:</source>
        <translation>Höhe:</translation>
    </message>
    <message id="printMask">
        <source>Mask:</source>
        <translation>Maske:</translation>
    </message>
    <message id="faceLabel">
        <source>Face box</source>
        <translation>Gesichtsrahmen</translation>
    </message>
    <message id="eyesLabel">
        <source>Eye band</source>
        <translation>Augenbereich</translation>
    </message>
    <message id="leftLabel">
        <source>Left:</source>
        <translation>Links:</translation>
    </message>
    <message id="topLabel">
        <source>Top:</source>
        <translation>Oben:</translation>
    </message>
    <message id="rightLabel">
        <source>Right:</source>
        <translation>Rechts:</translation>
    </message>
    <message id="bottomLabel">
        <source>Bottom:</source>
        <translation>Unten:</translation>
    </message>
    <message id="cancelButton">
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message id="saveButton">
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message id="centimetresUnit">
        <source>cm</source>
        <translation>cm</translation>
    </message>
    <message id="inchesUnit">
        <source>in</source>
        <translation>Zoll</translation>
    </message>
    <message id="picturesFilter">
        <source>Pictures (%1)</source>
        <translation>Bilder (%1)</translation>
    </message>
    <message id="choosePicture">
        <source>Choose a Picture</source>
        <translation>Bild auswählen</translation>
    </message>
    <message id="unreadablePicture">
        <source>“%1” is not a picture Fotino can read.</source>
        <translation>„%1“ ist kein Bild, das Fotino lesen kann.</translation>
    </message>
    <message id="presetGuideField">
        <source>%1 – %2</source>
        <translation>%1 – %2</translation>
    </message>
    <message id="presetNameEmpty">
        <source>“%1” is empty. Give the preset a name.</source>
        <translation>„%1“ ist leer. Geben Sie dem Format einen Namen.</translation>
    </message>
    <message id="presetNameNotFileName">
        <source>The name in “%1” cannot be used for a file. Use a shorter name without “/” that is not “.” or “..”.</source>
        <translation>Der Name unter „%1“ kann nicht als Dateiname dienen. Wählen Sie einen kürzeren Namen ohne „/“, der nicht „.“ oder „..“ lautet.</translation>
    </message>
    <message id="presetLengthEmpty">
        <source>“%1” is empty. Enter a length.</source>
        <translation>„%1“ ist leer. Geben Sie eine Länge ein.</translation>
    </message>
    <message id="presetLengthNotANumber">
        <source>“%1” is not a length. Enter a number with at most two decimals, such as 3.5.</source>
        <translation>„%1“ ist keine Länge. Geben Sie eine Zahl mit höchstens zwei Nachkommastellen ein, zum Beispiel 3,5.</translation>
    </message>
    <message id="presetSizeOutOfRange">
        <source>“%1” must be more than 0 and at most 100 cm (39.37 in).</source>
        <translation>„%1“ muss größer als 0 und höchstens 100 cm (39,37 Zoll) sein.</translation>
    </message>
    <message id="presetGuideNotRightOfLeft">
        <source>“%1” must lie to the right of the left edge.</source>
        <translation>„%1“ muss rechts vom linken Rand liegen.</translation>
    </message>
    <message id="presetGuideNotAboveBottom">
        <source>“%1” must lie above the bottom edge.</source>
        <translation>„%1“ muss über dem unteren Rand liegen.</translation>
    </message>
    <message id="presetGuideOutsidePhoto">
        <source>“%1” lies outside the photo: guides must stay within its width and height.</source>
        <translation>„%1“ liegt außerhalb des Fotos: Hilfslinien müssen innerhalb seiner Breite und Höhe bleiben.</translation>
    </message>
    <message id="presetNotSaved">
        <source>The preset could not be written to “%1”.</source>
        <translation>Das Format konnte nicht in „%1“ gespeichert werden.</translation>
    </message>
    <message id="nameLabel">
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message id="dropLabel">
        <source>Picture:</source>
        <translation>Bild:</translation>
    </message>
    <message id="pictureSizeLabel">
        <source>Scale:</source>
        <translation>Maßstab:</translation>
    </message>
    <message id="presetsLabel">
        <source>Format:</source>
        <translation>Format:</translation>
    </message>
    <message id="pictureFrameLabel">
        <source>Print size</source>
        <translation>Druckgröße</translation>
    </message>
    <message id="faceFrameLabel">
        <source>Face frame:</source>
        <translation>Gesichtsrahmen:</translation>
    </message>
    <message id="contrastLabel">
        <source>Contrast:</source>
        <translation>Kontrast:</translation>
    </message>
    <message id="brightnessLabel">
        <source>Brightness:</source>
        <translation>Helligkeit:</translation>
    </message>
    <message id="importImageButton">
        <source>Choose Picture…</source>
        <translation>Bild wählen …</translation>
    </message>
    <message id="displayFaceFrameSwitch">
        <source>Show guides</source>
        <translation>Hilfslinien zeigen</translation>
    </message>
    <message id="editPresetsButton">
        <source>Formats…</source>
        <translation>Formate …</translation>
    </message>
    <message id="grayscale">
        <source>Black and white</source>
        <translation>Schwarzweiß</translation>
    </message>
    <message id="newPreset">
        <source>New…</source>
        <translation>Neu …</translation>
    </message>
    <message id="editPreset">
        <source>Edit…</source>
        <translation>Bearbeiten …</translation>
    </message>
    <message id="deletePreset">
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message id="WARNING_IMAGE_NOT_COVERING">
        <source>The picture does not fill the photo.</source>
        <translation>Das Bild füllt das Foto nicht aus.</translation>
    </message>
    <message id="DuplicatePreset">
        <source>Duplicate</source>
        <translation>Duplizieren</translation>
    </message>
    <message id="CreatePreset">
        <source>New Format</source>
        <translation>Neues Format</translation>
    </message>
    <message id="newPresetFromSelection">
        <source>Start the new format from the selected one, or from a blank format?</source>
        <translation>Das neue Format aus dem ausgewählten erstellen oder leer beginnen?</translation>
    </message>
    <message id="pictureSettingsWindow">
        <source>Photo</source>
        <translation>Foto</translation>
    </message>
    <message id="rotateLeftHint">
        <source>Rotate left</source>
        <translation>Nach links drehen</translation>
    </message>
    <message id="rotateRightHint">
        <source>Rotate right</source>
        <translation>Nach rechts drehen</translation>
    </message>
    <message id="saveFailed">
        <source>The photo could not be saved: its files could not be written in “%1”. Your changes are still here.</source>
        <translation>Das Foto konnte nicht gesichert werden: Seine Dateien ließen sich in „%1“ nicht schreiben. Ihre Änderungen bleiben erhalten.</translation>
    </message>
    <message id="presetSizeColumn">
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message id="dropHint">
        <source>Drop a picture here, or click to choose one</source>
        <translation>Bild hier ablegen oder zum Auswählen klicken</translation>
    </message>
    <message id="badFrameSize">
        <source>The width and height must be numbers above 0 and at most 100 cm (39.37 in).</source>
        <translation>Breite und Höhe müssen Zahlen über 0 und höchstens 100 cm (39,37 Zoll) sein.</translation>
    </message>
    <message id="editPictureMenu">
        <source>&amp;Edit Photo…</source>
        <translation>Foto &amp;bearbeiten …</translation>
    </message>
    <message id="Preferences">
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message id="unitLabel">
        <source>Show sizes &amp;in:</source>
        <translation>Größen anzeigen &amp;in:</translation>
    </message>
    <message id="Inches">
        <source>Inches</source>
        <translation>Zoll</translation>
    </message>
    <message id="Centimeters">
        <source>Centimetres</source>
        <translation>Zentimeter</translation>
    </message>
    <message id="versionSwitch">
        <source>Check for a new version at &amp;start-up</source>
        <translation>Beim &amp;Start nach einer neuen Version suchen</translation>
    </message>
    <message id="chekNowButton">
        <source>Check &amp;Now</source>
        <translation>&amp;Jetzt suchen</translation>
    </message>
    <message id="aboutWindow">
        <source>About Fotino</source>
        <translation>Über Fotino</translation>
    </message>
    <message id="closeMenu">
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message id="aboutDocument">
        <source>about/about_en.html</source>
        <translation>about/about_de.html</translation>
    </message>
    <message id="webcamMenu">
        <source>&amp;Take Photo…</source>
        <translation>Foto &amp;aufnehmen…</translation>
    </message>
    <message id="captureWindow">
        <source>Take Photo</source>
        <translation>Foto aufnehmen</translation>
    </message>
    <message id="captureGrab">
        <source>&amp;Take Photo</source>
        <translation>Foto &amp;aufnehmen</translation>
    </message>
    <message id="captureClear">
        <source>&amp;Retake</source>
        <translation>&amp;Neu aufnehmen</translation>
    </message>
    <message id="captureAccept">
        <source>&amp;Accept</source>
        <translation>Ü&amp;bernehmen</translation>
    </message>
    <message id="captureHint">
        <source>Place the face inside the blue frame.</source>
        <translation>Platzieren Sie das Gesicht im blauen Rahmen.</translation>
    </message>
    <message id="captureWriteFailed">
        <source>The photo could not be saved to %1.</source>
        <translation>Das Foto konnte nicht in %1 gespeichert werden.</translation>
    </message>
    <message id="cliCaptureUsage">
        <source>fotino: capture needs -o FILE.tif</source>
        <translation>fotino: capture braucht -o DATEI.tif</translation>
    </message>
    <message id="cliNoCamera">
        <source>fotino: no camera was found</source>
        <translation>fotino: keine Kamera gefunden</translation>
    </message>
    <message id="cliCaptureFailed">
        <source>fotino: the camera gave no picture: %1</source>
        <translation>fotino: die Kamera lieferte kein Bild: %1</translation>
    </message>
    <message id="applicationMenu">
        <source>Fotino</source>
        <translation>Fotino</translation>
    </message>
    <message id="servicesMenu">
        <source>Services</source>
        <translation>Dienste</translation>
    </message>
    <message id="hideMenu">
        <source>Hide Fotino</source>
        <translation>Fotino ausblenden</translation>
    </message>
    <message id="hideOthersMenu">
        <source>Hide Others</source>
        <translation>Andere ausblenden</translation>
    </message>
    <message id="showAllMenu">
        <source>Show All</source>
        <translation>Alle einblenden</translation>
    </message>
    <message id="autoFrameButton">
        <source>Auto-frame</source>
        <translation>Automatisch einpassen</translation>
    </message>
    <message id="autoFrameHint">
        <source>Finds the face and frames it to the format's rules</source>
        <translation>Findet das Gesicht und richtet es nach den Regeln des Formats aus</translation>
    </message>
    <message id="hintsLabel">
        <source>Check:</source>
        <translation>Prüfung:</translation>
    </message>
    <message id="hintNoFace">
        <source>No face found</source>
        <translation>Kein Gesicht gefunden</translation>
    </message>
    <message id="hintHead">
        <source>Head height %1 mm</source>
        <translation>Kopfhöhe %1 mm</translation>
    </message>
    <message id="hintHeadInside">
        <source>Head height %1 mm, within %2–%3 mm</source>
        <translation>Kopfhöhe %1 mm, innerhalb von %2–%3 mm</translation>
    </message>
    <message id="hintHeadTooLarge">
        <source>Head height %1 mm: %2 mm too large (%3–%4 mm)</source>
        <translation>Kopfhöhe %1 mm: %2 mm zu groß (%3–%4 mm)</translation>
    </message>
    <message id="hintHeadTooSmall">
        <source>Head height %1 mm: %2 mm too small (%3–%4 mm)</source>
        <translation>Kopfhöhe %1 mm: %2 mm zu klein (%3–%4 mm)</translation>
    </message>
    <message id="hintEyes">
        <source>Eye line %1 mm from the bottom</source>
        <translation>Augenlinie %1 mm über dem unteren Rand</translation>
    </message>
    <message id="hintEyesInside">
        <source>Eye line %1 mm from the bottom, within %2–%3 mm</source>
        <translation>Augenlinie %1 mm über dem unteren Rand, innerhalb von %2–%3 mm</translation>
    </message>
    <message id="hintEyesTooHigh">
        <source>Eye line %1 mm from the bottom: %2 mm too high (%3–%4 mm)</source>
        <translation>Augenlinie %1 mm über dem unteren Rand: %2 mm zu hoch (%3–%4 mm)</translation>
    </message>
    <message id="hintEyesTooLow">
        <source>Eye line %1 mm from the bottom: %2 mm too low (%3–%4 mm)</source>
        <translation>Augenlinie %1 mm über dem unteren Rand: %2 mm zu tief (%3–%4 mm)</translation>
    </message>
    <message id="hintTilted">
        <source>The head is tilted by %1°: hold it straight or use Auto-frame</source>
        <translation>Der Kopf ist um %1° geneigt: gerade halten oder automatisch einpassen</translation>
    </message>
    <message id="hintBackgroundFine">
        <source>Background plain and light</source>
        <translation>Hintergrund einfarbig und hell</translation>
    </message>
    <message id="hintBackgroundDark">
        <source>Background too dark: stand in front of a plain, light wall</source>
        <translation>Hintergrund zu dunkel: vor eine einfarbige, helle Wand stellen</translation>
    </message>
    <message id="hintBackgroundColoured">
        <source>Background too colourful: stand in front of a plain, light wall</source>
        <translation>Hintergrund zu farbig: vor eine einfarbige, helle Wand stellen</translation>
    </message>
    <message id="hintBackgroundBusy">
        <source>Background not plain (objects or shadows): use a plain, evenly lit wall</source>
        <translation>Hintergrund nicht einfarbig (Gegenstände oder Schatten): eine einfarbige, gleichmäßig beleuchtete Wand verwenden</translation>
    </message>
    <message id="hintBackgroundWhite">
        <source>Background white: this format asks for a light colour other than white</source>
        <translation>Hintergrund weiß: dieses Format verlangt eine helle Farbe außer Weiß</translation>
    </message>
    <message id="cliMaxKbNeedsJpeg">
        <source>fotino: --max-kb makes a JPEG: leave out --format or give --format jpeg</source>
        <translation>fotino: --max-kb erzeugt ein JPEG: --format weglassen oder --format jpeg angeben</translation>
    </message>
    <message id="cliMaxKbWithQuality">
        <source>fotino: --max-kb chooses the JPEG quality itself: leave out --quality</source>
        <translation>fotino: --max-kb wählt die JPEG-Qualität selbst: --quality weglassen</translation>
    </message>
    <message id="cliTooLarge">
        <source>fotino: %4 was not written: even at the lowest JPEG quality the photo takes %1 bytes, more than %2 KB (%3 bytes)</source>
        <translation>fotino: %4 wurde nicht geschrieben: Selbst mit der niedrigsten JPEG-Qualität belegt das Foto %1 Byte, mehr als %2 KB (%3 Byte)</translation>
    </message>
    <message id="exportMaxSizeLabel">
        <source>Maximum file size:</source>
        <translation>Maximale Dateigröße:</translation>
    </message>
    <message id="exportMaxSizeUnit">
        <source>KB</source>
        <translation>KB</translation>
    </message>
    <message id="exportMaxSizeNone">
        <source>No limit</source>
        <translation>Unbegrenzt</translation>
    </message>
    <message id="exportMaxSizeHelp">
        <source>The best JPEG quality whose file fits in this many kilobytes of 1000 bytes. Empty: no limit.</source>
        <translation>Die beste JPEG-Qualität, deren Datei in so viele Kilobyte zu je 1000 Byte passt. Leer: keine Grenze.</translation>
    </message>
    <message id="exportTooLarge">
        <source>The photo does not fit in %1 KB, even at the lowest JPEG quality. Nothing was written: allow a larger file or choose a smaller size in pixels.</source>
        <translation>Das Foto passt selbst mit der niedrigsten JPEG-Qualität nicht in %1 KB. Es wurde nichts geschrieben: Erlauben Sie eine größere Datei oder wählen Sie eine kleinere Größe in Pixeln.</translation>
    </message>
    <message id="presetRulesLabel">
        <source>Format Rules</source>
        <translation>Formatregeln</translation>
    </message>
    <message id="presetHeadHeightLabel">
        <source>Head height:</source>
        <translation>Kopfhöhe:</translation>
    </message>
    <message id="presetEyeLineLabel">
        <source>Eye line height:</source>
        <translation>Augenhöhe:</translation>
    </message>
    <message id="presetRangeTo">
        <source>to</source>
        <translation>bis</translation>
    </message>
    <message id="presetRulesUnit">
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message id="presetBackgroundLabel">
        <source>Background:</source>
        <translation>Hintergrund:</translation>
    </message>
    <message id="presetBackgroundLight">
        <source>Plain and light</source>
        <translation>Einfarbig und hell</translation>
    </message>
    <message id="presetBackgroundWhite">
        <source>White or off-white</source>
        <translation>Weiß oder gebrochenes Weiß</translation>
    </message>
    <message id="presetBackgroundLightNotWhite">
        <source>Light, but not white</source>
        <translation>Hell, aber nicht weiß</translation>
    </message>
    <message id="presetRulesHint">
        <source>Leave a range empty where the format sets none.</source>
        <translation>Lassen Sie einen Bereich leer, wenn das Format keinen vorgibt.</translation>
    </message>
    <message id="presetHeadHeightHint">
        <source>The height of the head on the printed photo, from the chin to the crown, that the format accepts.</source>
        <translation>Die Höhe des Kopfes auf dem gedruckten Foto, vom Kinn bis zum Scheitel, die das Format zulässt.</translation>
    </message>
    <message id="presetEyeLineHint">
        <source>The height of the eye line above the photo’s bottom edge that the format accepts.</source>
        <translation>Die Höhe der Augenlinie über der Unterkante des Fotos, die das Format zulässt.</translation>
    </message>
    <message id="presetRuleMinimumField">
        <source>%1 (minimum)</source>
        <translation>%1 (Minimum)</translation>
    </message>
    <message id="presetRuleMaximumField">
        <source>%1 (maximum)</source>
        <translation>%1 (Maximum)</translation>
    </message>
    <message id="presetRuleHalfEmpty">
        <source>“%1” is empty. Enter both ends of the range, or leave both empty.</source>
        <translation>„%1“ ist leer. Geben Sie beide Enden des Bereichs ein oder lassen Sie beide leer.</translation>
    </message>
    <message id="presetRuleOutOfRange">
        <source>“%1” must be more than 0 mm and at most the photo’s height.</source>
        <translation>„%1“ muss größer als 0 mm und höchstens so groß wie die Höhe des Fotos sein.</translation>
    </message>
    <message id="presetRuleBelowMinimum">
        <source>“%1” must not be below the minimum of the range.</source>
        <translation>„%1“ darf nicht unter dem Minimum des Bereichs liegen.</translation>
    </message>
    <message id="cutMarksBox">
        <source>Cut marks</source>
        <translation>Schnittmarken</translation>
    </message>
    <message id="cliNewUsage">
        <source>fotino: new needs at least one picture and --preset NAME</source>
        <translation>fotino: new braucht mindestens ein Bild und --preset NAME</translation>
    </message>
    <message id="cliCheckUsage">
        <source>fotino: check needs at least one document</source>
        <translation>fotino: check braucht mindestens ein Dokument</translation>
    </message>
    <message id="cliUnknownPreset">
        <source>fotino: no preset is named “%1”; “fotino presets” lists them</source>
        <translation>fotino: kein Format heißt „%1“; „fotino presets“ listet sie auf</translation>
    </message>
    <message id="cliUnreadablePicture">
        <source>fotino: %1 is not a picture Fotino can read</source>
        <translation>fotino: %1 ist kein Bild, das Fotino lesen kann</translation>
    </message>
    <message id="cliUnusableName">
        <source>fotino: %1: “%2” cannot be the name of a document</source>
        <translation>fotino: %1: „%2“ kann nicht der Name eines Dokuments sein</translation>
    </message>
    <message id="cliCannotSave">
        <source>fotino: %1: cannot save its document in %2</source>
        <translation>fotino: %1: sein Dokument kann nicht in %2 gespeichert werden</translation>
    </message>
    <message id="cliNoPicture">
        <source>fotino: cannot read the picture of the document %1</source>
        <translation>fotino: das Bild des Dokuments %1 kann nicht gelesen werden</translation>
    </message>
    <message id="batchImportMenu">
        <source>Import Pictures…</source>
        <translation>Bilder importieren …</translation>
    </message>
    <message id="batchImportWindow">
        <source>Import Pictures</source>
        <translation>Bilder importieren</translation>
    </message>
    <message id="batchImportIntro">
        <source>Pictures chosen: %1. Each becomes a document of the library, named after its file.</source>
        <translation>Gewählte Bilder: %1. Jedes wird ein Dokument der Bibliothek, benannt nach seiner Datei.</translation>
    </message>
    <message id="batchAutoFrame">
        <source>Auto-frame on the face</source>
        <translation>Automatisch auf das Gesicht ausrichten</translation>
    </message>
    <message id="batchImportButton">
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message id="batchPicturesFilter">
        <source>Pictures</source>
        <translation>Bilder</translation>
    </message>
    <message id="batchProgress">
        <source>Importing “%1” (%2 of %3)…</source>
        <translation>„%1“ wird importiert (%2 von %3) …</translation>
    </message>
    <message id="batchDone">
        <source>Documents made: %1 of %2.</source>
        <translation>Erstellte Dokumente: %1 von %2.</translation>
    </message>
    <message id="batchCancelled">
        <source>Import cancelled. Documents made: %1 of %2.</source>
        <translation>Import abgebrochen. Erstellte Dokumente: %1 von %2.</translation>
    </message>
    <message id="batchNoFace">
        <source>No face found, framed as a new document (check them by hand):</source>
        <translation>Kein Gesicht gefunden, wie ein neues Dokument zugeschnitten (bitte von Hand prüfen):</translation>
    </message>
    <message id="batchOutside">
        <source>Outside the format’s rules:</source>
        <translation>Außerhalb der Regeln des Formats:</translation>
    </message>
    <message id="batchFailed">
        <source>Not imported:</source>
        <translation>Nicht importiert:</translation>
    </message>
    <message id="batchUnreadable">
        <source>not a picture Fotino can read</source>
        <translation>kein Bild, das Fotino lesen kann</translation>
    </message>
    <message id="batchBadName">
        <source>its name cannot name a document</source>
        <translation>sein Name taugt nicht als Dokumentname</translation>
    </message>
    <message id="batchWriteFailed">
        <source>could not be saved</source>
        <translation>konnte nicht gespeichert werden</translation>
    </message>
    <message id="batchMore">
        <source>and %1 more</source>
        <translation>und %1 weitere</translation>
    </message>
    <message id="millimetresUnit">
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message id="saveFailedDiskFull">
        <source>The photo could not be saved: the disk holding “%1” is full. The files already there are unchanged and your changes are still here. Free some space and save again.</source>
        <translation>Das Foto konnte nicht gesichert werden: Der Datenträger mit „%1“ ist voll. Die vorhandenen Dateien sind unverändert, und Ihre Änderungen bleiben erhalten. Schaffen Sie Platz und sichern Sie erneut.</translation>
    </message>
    <message id="presetNotSavedDiskFull">
        <source>The preset could not be saved: the disk holding “%1” is full. The presets already there are unchanged. Free some space and save again.</source>
        <translation>Das Format konnte nicht gespeichert werden: Der Datenträger mit „%1“ ist voll. Die vorhandenen Formate sind unverändert. Schaffen Sie Platz und speichern Sie erneut.</translation>
    </message>
    <message id="exportDiskFull">
        <source>“%1” could not be exported: the disk is full. A file already there under that name is unchanged. Free some space and export again.</source>
        <translation>„%1“ konnte nicht exportiert werden: Der Datenträger ist voll. Eine vorhandene Datei dieses Namens ist unverändert. Schaffen Sie Platz und exportieren Sie erneut.</translation>
    </message>
    <message id="printDiskFull">
        <source>“%1” could not be written: the disk is full. A file already there under that name is unchanged. Free some space and print again.</source>
        <translation>„%1“ konnte nicht geschrieben werden: Der Datenträger ist voll. Eine vorhandene Datei dieses Namens ist unverändert. Schaffen Sie Platz und drucken Sie erneut.</translation>
    </message>
    <message id="cliDiskFull">
        <source>fotino: cannot write %1: the disk is full</source>
        <translation>fotino: %1 kann nicht geschrieben werden: Der Datenträger ist voll</translation>
    </message>
    <message id="batchDiskFull">
        <source>the disk is full; the pictures after it were not imported</source>
        <translation>der Datenträger ist voll; die folgenden Bilder wurden nicht importiert</translation>
    </message>
    <message id="cliNoFrameInTime">
        <source>no frame in time</source>
        <translation>kein Bild rechtzeitig</translation>
    </message>
</context>
</TS>
