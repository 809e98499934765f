<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB">
<context>
    <name></name>
    <message id="untitled">
        <source>Untitled</source>
        <translation>Untitled</translation>
    </message>
    <message id="mainWindow">
        <source>Fotino</source>
        <translation>Fotino</translation>
    </message>
    <message id="fileMenu">
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message id="newMenu">
        <source>&amp;New Photo…</source>
        <translation>&amp;New Photo…</translation>
    </message>
    <message id="pageSetupMenu">
        <source>Page Set&amp;up…</source>
        <translation>Page Set&amp;up…</translation>
    </message>
    <message id="printMenu">
        <source>&amp;Print…</source>
        <translation>&amp;Print…</translation>
    </message>
    <message id="quitMenu">
        <source>&amp;Quit</source>
        <translation>&amp;Quit</translation>
    </message>
    <message id="editMenu">
        <source>&amp;Edit</source>
        <translation>&amp;Edit</translation>
    </message>
    <message id="undoMenu">
        <source>&amp;Undo</source>
        <translation>&amp;Undo</translation>
    </message>
    <message id="redoMenu">
        <source>&amp;Redo</source>
        <translation>&amp;Redo</translation>
    </message>
    <message id="cutMenu">
        <source>Cu&amp;t</source>
        <translation>Cu&amp;t</translation>
    </message>
    <message id="copyMenu">
        <source>&amp;Copy</source>
        <translation>&amp;Copy</translation>
    </message>
    <message id="pasteMenu">
        <source>&amp;Paste</source>
        <translation>&amp;Paste</translation>
    </message>
    <message id="deleteMenu">
        <source>&amp;Delete</source>
        <translation>&amp;Delete</translation>
    </message>
    <message id="selectAllMenu">
        <source>Select &amp;All</source>
        <translation>Select &amp;All</translation>
    </message>
    <message id="preferencesMenu">
        <source>Pre&amp;ferences…</source>
        <translation>Pre&amp;ferences…</translation>
    </message>
    <message id="windowsMenu">
        <source>&amp;Window</source>
        <translation>&amp;Window</translation>
    </message>
    <message id="minimizeMenu">
        <source>Mi&amp;nimize</source>
        <translation>Mi&amp;nimize</translation>
    </message>
    <message id="zoomMenu">
        <source>&amp;Zoom</source>
        <translation>&amp;Zoom</translation>
    </message>
    <message id="bringToFrontMenu">
        <source>&amp;Bring All to Front</source>
        <translation>&amp;Bring All to Front</translation>
    </message>
    <message id="helpMenu">
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message id="helpMenuItem">
        <source>Fotino &amp;Help</source>
        <translation>Fotino &amp;Help</translation>
    </message>
    <message id="aboutMenu">
        <source>&amp;About Fotino</source>
        <translation>&amp;About Fotino</translation>
    </message>
    <message id="newButton">
        <source>New…</source>
        <translation>New…</translation>
    </message>
    <message id="printButton">
        <source>Print…</source>
        <translation>Print…</translation>
    </message>
    <message id="deleteButton">
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message id="newPictureHint">
        <source>Make a new identity photo</source>
        <translation>Make a new identity photo</translation>
    </message>
    <message id="printHint">
        <source>Print the ticked photos</source>
        <translation>Print the ticked photos</translation>
    </message>
    <message id="deleteHint">
        <source>Delete the selected photo</source>
        <translation>Delete the selected photo</translation>
    </message>
    <message id="selectionColumn">
        <source>Print</source>
        <translation>Print</translation>
    </message>
    <message id="nameColumn">
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message id="sizeColumn">
        <source>Size</source>
        <translation>Size</translation>
    </message>
    <message id="emptyLibrary">
        <source>No photos yet.
The photos you make are listed here.</source>
        <translation>No photos yet.
The photos you make are listed here.</translation>
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
  print --pdf OUT.pdf [--copies N] [--interspace POINTS] [--paper NAME]
        [--cut-marks] DOC.ftoct...
                        print copies of the documents on one sheet into a PDF;
                        papers: A4, Letter, A5, A6, 4x6in, 5x7in, 10x15cm, 13x18cm;
                        --cut-marks adds thin marks at the photos' corners to cut along
  --help                show this help
  --version             show the version

DIR defaults to the documents folder of the preferences.</source>
        <translation>Usage: fotino [COMMAND]
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
  print --pdf OUT.pdf [--copies N] [--interspace POINTS] [--paper NAME]
        [--cut-marks] DOC.ftoct...
                        print copies of the documents on one sheet into a PDF;
                        papers: A4, Letter, A5, A6, 4x6in, 5x7in, 10x15cm, 13x18cm;
                        --cut-marks adds thin marks at the photos' corners to cut along
  --help                show this help
  --version             show the version

DIR defaults to the documents folder of the preferences.</translation>
    </message>
    <message id="cliUnknownCommand">
        <source>fotino: unknown command “%1”</source>
        <translation>fotino: unknown command “%1”</translation>
    </message>
    <message id="cliUnknownOption">
        <source>fotino: unknown option “%1”</source>
        <translation>fotino: unknown option “%1”</translation>
    </message>
    <message id="cliMissingValue">
        <source>fotino: %1 needs a value</source>
        <translation>fotino: %1 needs a value</translation>
    </message>
    <message id="cliNoFolder">
        <source>fotino: the folder %1 does not exist</source>
        <translation>fotino: the folder %1 does not exist</translation>
    </message>
    <message id="cliSeeHelp">
        <source>Try “fotino --help” for more information.</source>
        <translation>Try “fotino --help” for more information.</translation>
    </message>
    <message id="untitledPreset">
        <source>Untitled preset</source>
        <translation>Untitled preset</translation>
    </message>
    <message id="Cancel">
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message id="NoSelection">
        <source>No photo is ticked. Tick the photos you want to print in the library window.</source>
        <translation>No photo is ticked. Tick the photos you want to print in the library window.</translation>
    </message>
    <message id="ERROR_NO_VIDEOHWFOUND">
        <source>No camera was found. Connect a camera and try again.</source>
        <translation>No camera was found. Connect a camera and try again.</translation>
    </message>
    <message id="warning">
        <source>Delete this photo?</source>
        <translation>Delete this photo?</translation>
    </message>
    <message id="DeleteLong">
        <source>The photo, its picture and its settings are deleted. This cannot be undone.</source>
        <translation>The photo, its picture and its settings are deleted. This cannot be undone.</translation>
    </message>
    <message id="newversion">
        <source>A new version of Fotino is available</source>
        <translation>A new version of Fotino is available</translation>
    </message>
    <message id="newversionLong">
        <source>Open the Fotino web site to download it?</source>
        <translation>Open the Fotino web site to download it?</translation>
    </message>
    <message id="MSG_NEW_VERSION">
        <source>A new version of Fotino is available</source>
        <translation>A new version of Fotino is available</translation>
    </message>
    <message id="MSG_NEW_VERSION_LONG">
        <source>Open the Fotino web site to download it?</source>
        <translation>Open the Fotino web site to download it?</translation>
    </message>
    <message id="MSG_VERSION_UPTODATE">
        <source>Fotino is up to date</source>
        <translation>Fotino is up to date</translation>
    </message>
    <message id="MSG_VERSION_UPTODATE_LONG">
        <source>You have the latest version.</source>
        <translation>You have the latest version.</translation>
    </message>
    <message id="ERROR_VERSION_CHECK">
        <source>The update check failed</source>
        <translation>The update check failed</translation>
    </message>
    <message id="ERROR_VERSION_CHECK_LONG">
        <source>Fotino could not reach its web site. Check your network connection and try again later.</source>
        <translation>Fotino could not reach its web site. Check your network connection and try again later.</translation>
    </message>
    <message id="BTN_OK">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="BTN_CANCEL">
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message id="save">
        <source>Save the changes to this photo?</source>
        <translation>Save the changes to this photo?</translation>
    </message>
    <message id="saveLong">
        <source>If you don’t save, your changes are lost.</source>
        <translation>If you don’t save, your changes are lost.</translation>
    </message>
    <message id="FileExists">
        <source>A photo with this name already exists</source>
        <translation>A photo with this name already exists</translation>
    </message>
    <message id="FileExistsLong">
        <source>Replace it with this one?</source>
        <translation>Replace it with this one?</translation>
    </message>
    <message id="noName">
        <source>Give the photo a name before saving it.</source>
        <translation>Give the photo a name before saving it.</translation>
    </message>
    <message id="noPicture">
        <source>Choose a picture for the photo before saving it.</source>
        <translation>Choose a picture for the photo before saving it.</translation>
    </message>
    <message id="unableToDeleteBuiltinPreset">
        <source>Built-in formats cannot be changed or deleted. Duplicate the format to make your own.</source>
        <translation>Built-in formats cannot be changed or deleted. Duplicate the format to make your own.</translation>
    </message>
    <message id="cliBadValue">
        <source>fotino: %1 does not take “%2”</source>
        <translation>fotino: %1 does not take “%2”</translation>
    </message>
    <message id="cliRenderUsage">
        <source>fotino: render needs a document and -o OUT.png</source>
        <translation>fotino: render needs a document and -o OUT.png</translation>
    </message>
    <message id="cliUnreadableDocument">
        <source>fotino: cannot read the document %1</source>
        <translation>fotino: cannot read the document %1</translation>
    </message>
    <message id="cliCannotWrite">
        <source>fotino: cannot write %1</source>
        <translation>fotino: cannot write %1</translation>
    </message>
    <message id="pageLayoutWindow">
        <source>Print Photos</source>
        <translation>Print Photos</translation>
    </message>
    <message id="numberOfImagesLabel">
        <source>Copies of each photo:</source>
        <translation>Copies of each photo:</translation>
    </message>
    <message id="pageSetupButton">
        <source>Page Setup…</source>
        <translation>Page Setup…</translation>
    </message>
    <message id="paperLabel">
        <source>Paper:</source>
        <translation>Paper:</translation>
    </message>
    <message id="interspaceLabel">
        <source>Space between photos:</source>
        <translation>Space between photos:</translation>
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
        <translation>Photo 4×6 in</translation>
    </message>
    <message id="paper_5x7in">
        <source>Photo 5×7 in</source>
        <translation>Photo 5×7 in</translation>
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
        <translation>fotino: print needs --pdf OUT.pdf and at least one document</translation>
    </message>
    <message id="badName">
        <source>This name cannot be used for a file. Use a shorter name without “/” that is not “.” or “..”.</source>
        <translation>This name cannot be used for a file. Use a shorter name without “/” that is not “.” or “..”.</translation>
    </message>
    <message id="exportFormatLabel">
        <source>Format:</source>
        <translation>Format:</translation>
    </message>
    <message id="exportQualityLabel">
        <source>Quality:</source>
        <translation>Quality:</translation>
    </message>
    <message id="exportQualityLow">
        <source>Smaller file</source>
        <translation>Smaller file</translation>
    </message>
    <message id="exportQualityHigh">
        <source>Better quality</source>
        <translation>Better quality</translation>
    </message>
    <message id="exportResolutionLabel">
        <source>Resolution:</source>
        <translation>Resolution:</translation>
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
        <translation>Exact size in pixels</translation>
    </message>
    <message id="exportPixelsWidth">
        <source>Width</source>
        <translation>Width</translation>
    </message>
    <message id="exportPixelsHeight">
        <source>Height</source>
        <translation>Height</translation>
    </message>
    <message id="exportPixelsUnit">
        <source>px</source>
        <translation>px</translation>
    </message>
    <message id="cliExportUsage">
        <source>fotino: export needs a document and -o PATH</source>
        <translation>fotino: export needs a document and -o PATH</translation>
    </message>
    <message id="cliNoBitmap">
        <source>fotino: cannot render %1 at that size</source>
        <translation>fotino: cannot render %1 at that size</translation>
    </message>
    <message id="exportMenu">
        <source>E&amp;xport…</source>
        <translation>E&amp;xport…</translation>
    </message>
    <message id="exportOverDocument">
        <source>“%1” is a file of a photo document. An export cannot replace it: choose another name or folder.</source>
        <translation>“%1” is a file of a photo document. An export cannot replace it: choose another name or folder.</translation>
    </message>
    <message id="cliBelongsToDocument">
        <source>fotino: %1 is a file of a photo document; an export cannot replace it</source>
        <translation>fotino: %1 is a file of a photo document; an export cannot replace it</translation>
    </message>
    <message id="cliUnexpectedArgument">
        <source>fotino: unexpected argument “%1”</source>
        <translation>fotino: unexpected argument “%1”</translation>
    </message>
    <message id="0_Face">
        <source>Face</source>
        <translation>Face</translation>
    </message>
    <message id="Eyes">
        <source>Eyes</source>
        <translation>Eyes</translation>
    </message>
    <message id="cliViewUsage">
        <source>fotino: view needs one document</source>
        <translation>fotino: view needs one document</translation>
    </message>
    <message id="presetEditor">
        <source>Edit Preset</source>
        <translation>Edit Preset</translation>
    </message>
    <message id="generalLabel">
        <source>General</source>
        <translation>General</translation>
    </message>
    <message id="printAreaLabel">
        <source>Print Area</source>
        <translation>Print Area</translation>
    </message>
    <message id="guidesLabel">
        <source>Guides</source>
        <translation>Guides</translation>
    </message>
    <message id="presetName">
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message id="presetIcon">
        <source>Icon:</source>
        <translation>Icon:</translation>
    </message>
    <message id="widthLabel">
        <source>Width:</source>
        <translation>Width:</translation>
    </message>
    <message id="heightLabel">
        <source>Height:</source>
        <translation>Height:</translation>
    </message>
    <message id="printMask">
        <source>Mask:</source>
        <translation>Mask:</translation>
    </message>
    <message id="faceLabel">
        <source>Face box</source>
        <translation>Face box</translation>
    </message>
    <message id="eyesLabel">
        <source>Eye band</source>
        <translation>Eye band</translation>
    </message>
    <message id="leftLabel">
        <source>Left:</source>
        <translation>Left:</translation>
    </message>
    <message id="topLabel">
        <source>Top:</source>
        <translation>Top:</translation>
    </message>
    <message id="rightLabel">
        <source>Right:</source>
        <translation>Right:</translation>
    </message>
    <message id="bottomLabel">
        <source>Bottom:</source>
        <translation>Bottom:</translation>
    </message>
    <message id="cancelButton">
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message id="saveButton">
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message id="centimetresUnit">
        <source>cm</source>
        <translation>cm</translation>
    </message>
    <message id="inchesUnit">
        <source>in</source>
        <translation>in</translation>
    </message>
    <message id="picturesFilter">
        <source>Pictures (%1)</source>
        <translation>Pictures (%1)</translation>
    </message>
    <message id="choosePicture">
        <source>Choose a Picture</source>
        <translation>Choose a Picture</translation>
    </message>
    <message id="unreadablePicture">
        <source>“%1” is not a picture Fotino can read.</source>
        <translation>“%1” is not a picture Fotino can read.</translation>
    </message>
    <message id="presetGuideField">
        <source>%1 – %2</source>
        <translation>%1 – %2</translation>
    </message>
    <message id="presetNameEmpty">
        <source>“%1” is empty. Give the preset a name.</source>
        <translation>“%1” is empty. Give the preset a name.</translation>
    </message>
    <message id="presetNameNotFileName">
        <source>The name in “%1” cannot be used for a file. Use a shorter name without “/” that is not “.” or “..”.</source>
        <translation>The name in “%1” cannot be used for a file. Use a shorter name without “/” that is not “.” or “..”.</translation>
    </message>
    <message id="presetLengthEmpty">
        <source>“%1” is empty. Enter a length.</source>
        <translation>“%1” is empty. Enter a length.</translation>
    </message>
    <message id="presetLengthNotANumber">
        <source>“%1” is not a length. Enter a number with at most two decimals, such as 3.5.</source>
        <translation>“%1” is not a length. Enter a number with at most two decimals, such as 3.5.</translation>
    </message>
    <message id="presetSizeOutOfRange">
        <source>“%1” must be more than 0 and at most 100 cm (39.37 in).</source>
        <translation>“%1” must be more than 0 and at most 100 cm (39.37 in).</translation>
    </message>
    <message id="presetGuideNotRightOfLeft">
        <source>“%1” must lie to the right of the left edge.</source>
        <translation>“%1” must lie to the right of the left edge.</translation>
    </message>
    <message id="presetGuideNotAboveBottom">
        <source>“%1” must lie above the bottom edge.</source>
        <translation>“%1” must lie above the bottom edge.</translation>
    </message>
    <message id="presetGuideOutsidePhoto">
        <source>“%1” lies outside the photo: guides must stay within its width and height.</source>
        <translation>“%1” lies outside the photo: guides must stay within its width and height.</translation>
    </message>
    <message id="presetNotSaved">
        <source>The preset could not be written to “%1”.</source>
        <translation>The preset could not be written to “%1”.</translation>
    </message>
    <message id="nameLabel">
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message id="dropLabel">
        <source>Picture:</source>
        <translation>Picture:</translation>
    </message>
    <message id="pictureSizeLabel">
        <source>Scale:</source>
        <translation>Scale:</translation>
    </message>
    <message id="presetsLabel">
        <source>Format:</source>
        <translation>Format:</translation>
    </message>
    <message id="pictureFrameLabel">
        <source>Print size</source>
        <translation>Print size</translation>
    </message>
    <message id="faceFrameLabel">
        <source>Face frame:</source>
        <translation>Face frame:</translation>
    </message>
    <message id="contrastLabel">
        <source>Contrast:</source>
        <translation>Contrast:</translation>
    </message>
    <message id="brightnessLabel">
        <source>Brightness:</source>
        <translation>Brightness:</translation>
    </message>
    <message id="importImageButton">
        <source>Choose Picture…</source>
        <translation>Choose Picture…</translation>
    </message>
    <message id="displayFaceFrameSwitch">
        <source>Show guides</source>
        <translation>Show guides</translation>
    </message>
    <message id="editPresetsButton">
        <source>Formats…</source>
        <translation>Formats…</translation>
    </message>
    <message id="grayscale">
        <source>Black and white</source>
        <translation>Black and white</translation>
    </message>
    <message id="newPreset">
        <source>New…</source>
        <translation>New…</translation>
    </message>
    <message id="editPreset">
        <source>Edit…</source>
        <translation>Edit…</translation>
    </message>
    <message id="deletePreset">
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message id="WARNING_IMAGE_NOT_COVERING">
        <source>The picture does not fill the photo.</source>
        <translation>The picture does not fill the photo.</translation>
    </message>
    <message id="DuplicatePreset">
        <source>Duplicate</source>
        <translation>Duplicate</translation>
    </message>
    <message id="CreatePreset">
        <source>New Format</source>
        <translation>New Format</translation>
    </message>
    <message id="newPresetFromSelection">
        <source>Start the new format from the selected one, or from a blank format?</source>
        <translation>Start the new format from the selected one, or from a blank format?</translation>
    </message>
    <message id="pictureSettingsWindow">
        <source>Photo</source>
        <translation>Photo</translation>
    </message>
    <message id="rotateLeftHint">
        <source>Rotate left</source>
        <translation>Rotate left</translation>
    </message>
    <message id="rotateRightHint">
        <source>Rotate right</source>
        <translation>Rotate right</translation>
    </message>
    <message id="saveFailed">
        <source>The photo could not be saved: its files could not be written in “%1”. Your changes are still here.</source>
        <translation>The photo could not be saved: its files could not be written in “%1”. Your changes are still here.</translation>
    </message>
    <message id="presetSizeColumn">
        <source>Size</source>
        <translation>Size</translation>
    </message>
    <message id="dropHint">
        <source>Drop a picture here, or click to choose one</source>
        <translation>Drop a picture here, or click to choose one</translation>
    </message>
    <message id="badFrameSize">
        <source>The width and height must be numbers above 0 and at most 100 cm (39.37 in).</source>
        <translation>The width and height must be numbers above 0 and at most 100 cm (39.37 in).</translation>
    </message>
    <message id="editPictureMenu">
        <source>&amp;Edit Photo…</source>
        <translation>&amp;Edit Photo…</translation>
    </message>
    <message id="Preferences">
        <source>Preferences</source>
        <translation>Preferences</translation>
    </message>
    <message id="unitLabel">
        <source>Show sizes &amp;in:</source>
        <translation>Show sizes &amp;in:</translation>
    </message>
    <message id="Inches">
        <source>Inches</source>
        <translation>Inches</translation>
    </message>
    <message id="Centimeters">
        <source>Centimetres</source>
        <translation>Centimetres</translation>
    </message>
    <message id="versionSwitch">
        <source>Check for a new version at &amp;start-up</source>
        <translation>Check for a new version at &amp;start-up</translation>
    </message>
    <message id="chekNowButton">
        <source>Check &amp;Now</source>
        <translation>Check &amp;Now</translation>
    </message>
    <message id="aboutWindow">
        <source>About Fotino</source>
        <translation>About Fotino</translation>
    </message>
    <message id="closeMenu">
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message id="aboutDocument">
        <source>about/about_en.html</source>
        <translation>about/about_en.html</translation>
    </message>
    <message id="webcamMenu">
        <source>&amp;Take Photo…</source>
        <translation>&amp;Take Photo…</translation>
    </message>
    <message id="captureWindow">
        <source>Take Photo</source>
        <translation>Take Photo</translation>
    </message>
    <message id="captureGrab">
        <source>&amp;Take Photo</source>
        <translation>&amp;Take Photo</translation>
    </message>
    <message id="captureClear">
        <source>&amp;Retake</source>
        <translation>&amp;Retake</translation>
    </message>
    <message id="captureAccept">
        <source>&amp;Accept</source>
        <translation>&amp;Accept</translation>
    </message>
    <message id="captureHint">
        <source>Place the face inside the blue frame.</source>
        <translation>Place the face inside the blue frame.</translation>
    </message>
    <message id="captureWriteFailed">
        <source>The photo could not be saved to %1.</source>
        <translation>The photo could not be saved to %1.</translation>
    </message>
    <message id="cliCaptureUsage">
        <source>fotino: capture needs -o FILE.tif</source>
        <translation>fotino: capture needs -o FILE.tif</translation>
    </message>
    <message id="cliNoCamera">
        <source>fotino: no camera was found</source>
        <translation>fotino: no camera was found</translation>
    </message>
    <message id="cliCaptureFailed">
        <source>fotino: the camera gave no picture: %1</source>
        <translation>fotino: the camera gave no picture: %1</translation>
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
        <translation>Hide Fotino</translation>
    </message>
    <message id="hideOthersMenu">
        <source>Hide Others</source>
        <translation>Hide Others</translation>
    </message>
    <message id="showAllMenu">
        <source>Show All</source>
        <translation>Show All</translation>
    </message>
    <message id="autoFrameButton">
        <source>Auto-frame</source>
        <translation>Auto-frame</translation>
    </message>
    <message id="autoFrameHint">
        <source>Finds the face and frames it to the format's rules</source>
        <translation>Finds the face and frames it to the format's rules</translation>
    </message>
    <message id="hintsLabel">
        <source>Check:</source>
        <translation>Check:</translation>
    </message>
    <message id="hintNoFace">
        <source>No face found</source>
        <translation>No face found</translation>
    </message>
    <message id="hintHead">
        <source>Head height %1 mm</source>
        <translation>Head height %1 mm</translation>
    </message>
    <message id="hintHeadInside">
        <source>Head height %1 mm, within %2–%3 mm</source>
        <translation>Head height %1 mm, within %2–%3 mm</translation>
    </message>
    <message id="hintHeadTooLarge">
        <source>Head height %1 mm: %2 mm too large (%3–%4 mm)</source>
        <translation>Head height %1 mm: %2 mm too large (%3–%4 mm)</translation>
    </message>
    <message id="hintHeadTooSmall">
        <source>Head height %1 mm: %2 mm too small (%3–%4 mm)</source>
        <translation>Head height %1 mm: %2 mm too small (%3–%4 mm)</translation>
    </message>
    <message id="hintEyes">
        <source>Eye line %1 mm from the bottom</source>
        <translation>Eye line %1 mm from the bottom</translation>
    </message>
    <message id="hintEyesInside">
        <source>Eye line %1 mm from the bottom, within %2–%3 mm</source>
        <translation>Eye line %1 mm from the bottom, within %2–%3 mm</translation>
    </message>
    <message id="hintEyesTooHigh">
        <source>Eye line %1 mm from the bottom: %2 mm too high (%3–%4 mm)</source>
        <translation>Eye line %1 mm from the bottom: %2 mm too high (%3–%4 mm)</translation>
    </message>
    <message id="hintEyesTooLow">
        <source>Eye line %1 mm from the bottom: %2 mm too low (%3–%4 mm)</source>
        <translation>Eye line %1 mm from the bottom: %2 mm too low (%3–%4 mm)</translation>
    </message>
    <message id="hintTilted">
        <source>The head is tilted by %1°: hold it straight or use Auto-frame</source>
        <translation>The head is tilted by %1°: hold it straight or use Auto-frame</translation>
    </message>
    <message id="hintBackgroundFine">
        <source>Background plain and light</source>
        <translation>Background plain and light</translation>
    </message>
    <message id="hintBackgroundDark">
        <source>Background too dark: stand in front of a plain, light wall</source>
        <translation>Background too dark: stand in front of a plain, light wall</translation>
    </message>
    <message id="hintBackgroundColoured">
        <source>Background too colourful: stand in front of a plain, light wall</source>
        <translation>Background too colourful: stand in front of a plain, light wall</translation>
    </message>
    <message id="hintBackgroundBusy">
        <source>Background not plain (objects or shadows): use a plain, evenly lit wall</source>
        <translation>Background not plain (objects or shadows): use a plain, evenly lit wall</translation>
    </message>
    <message id="hintBackgroundWhite">
        <source>Background white: this format asks for a light colour other than white</source>
        <translation>Background white: this format asks for a light colour other than white</translation>
    </message>
    <message id="cliMaxKbNeedsJpeg">
        <source>fotino: --max-kb makes a JPEG: leave out --format or give --format jpeg</source>
        <translation>fotino: --max-kb makes a JPEG: leave out --format or give --format jpeg</translation>
    </message>
    <message id="cliMaxKbWithQuality">
        <source>fotino: --max-kb chooses the JPEG quality itself: leave out --quality</source>
        <translation>fotino: --max-kb chooses the JPEG quality itself: leave out --quality</translation>
    </message>
    <message id="cliTooLarge">
        <source>fotino: %4 was not written: even at the lowest JPEG quality the photo takes %1 bytes, more than %2 KB (%3 bytes)</source>
        <translation>fotino: %4 was not written: even at the lowest JPEG quality the photo takes %1 bytes, more than %2 KB (%3 bytes)</translation>
    </message>
    <message id="exportMaxSizeLabel">
        <source>Maximum file size:</source>
        <translation>Maximum file size:</translation>
    </message>
    <message id="exportMaxSizeUnit">
        <source>KB</source>
        <translation>KB</translation>
    </message>
    <message id="exportMaxSizeNone">
        <source>No limit</source>
        <translation>No limit</translation>
    </message>
    <message id="exportMaxSizeHelp">
        <source>The best JPEG quality whose file fits in this many kilobytes of 1000 bytes. Empty: no limit.</source>
        <translation>The best JPEG quality whose file fits in this many kilobytes of 1000 bytes. Empty: no limit.</translation>
    </message>
    <message id="exportTooLarge">
        <source>The photo does not fit in %1 KB, even at the lowest JPEG quality. Nothing was written: allow a larger file or choose a smaller size in pixels.</source>
        <translation>The photo does not fit in %1 KB, even at the lowest JPEG quality. Nothing was written: allow a larger file or choose a smaller size in pixels.</translation>
    </message>
    <message id="presetRulesLabel">
        <source>Format Rules</source>
        <translation>Format Rules</translation>
    </message>
    <message id="presetHeadHeightLabel">
        <source>Head height:</source>
        <translation>Head height:</translation>
    </message>
    <message id="presetEyeLineLabel">
        <source>Eye line height:</source>
        <translation>Eye line height:</translation>
    </message>
    <message id="presetRangeTo">
        <source>to</source>
        <translation>to</translation>
    </message>
    <message id="presetRulesUnit">
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message id="presetBackgroundLabel">
        <source>Background:</source>
        <translation>Background:</translation>
    </message>
    <message id="presetBackgroundLight">
        <source>Plain and light</source>
        <translation>Plain and light</translation>
    </message>
    <message id="presetBackgroundWhite">
        <source>White or off-white</source>
        <translation>White or off-white</translation>
    </message>
    <message id="presetBackgroundLightNotWhite">
        <source>Light, but not white</source>
        <translation>Light, but not white</translation>
    </message>
    <message id="presetRulesHint">
        <source>Leave a range empty where the format sets none.</source>
        <translation>Leave a range empty where the format sets none.</translation>
    </message>
    <message id="presetHeadHeightHint">
        <source>The height of the head on the printed photo, from the chin to the crown, that the format accepts.</source>
        <translation>The height of the head on the printed photo, from the chin to the crown, that the format accepts.</translation>
    </message>
    <message id="presetEyeLineHint">
        <source>The height of the eye line above the photo’s bottom edge that the format accepts.</source>
        <translation>The height of the eye line above the photo’s bottom edge that the format accepts.</translation>
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
        <translation>“%1” is empty. Enter both ends of the range, or leave both empty.</translation>
    </message>
    <message id="presetRuleOutOfRange">
        <source>“%1” must be more than 0 mm and at most the photo’s height.</source>
        <translation>“%1” must be more than 0 mm and at most the photo’s height.</translation>
    </message>
    <message id="presetRuleBelowMinimum">
        <source>“%1” must not be below the minimum of the range.</source>
        <translation>“%1” must not be below the minimum of the range.</translation>
    </message>
    <message id="cutMarksBox">
        <source>Cut marks</source>
        <translation>Cut marks</translation>
    </message>
    <message id="cliNewUsage">
        <source>fotino: new needs at least one picture and --preset NAME</source>
        <translation>fotino: new needs at least one picture and --preset NAME</translation>
    </message>
    <message id="cliCheckUsage">
        <source>fotino: check needs at least one document</source>
        <translation>fotino: check needs at least one document</translation>
    </message>
    <message id="cliUnknownPreset">
        <source>fotino: no preset is named “%1”; “fotino presets” lists them</source>
        <translation>fotino: no preset is named “%1”; “fotino presets” lists them</translation>
    </message>
    <message id="cliUnreadablePicture">
        <source>fotino: %1 is not a picture Fotino can read</source>
        <translation>fotino: %1 is not a picture Fotino can read</translation>
    </message>
    <message id="cliUnusableName">
        <source>fotino: %1: “%2” cannot be the name of a document</source>
        <translation>fotino: %1: “%2” cannot be the name of a document</translation>
    </message>
    <message id="cliCannotSave">
        <source>fotino: %1: cannot save its document in %2</source>
        <translation>fotino: %1: cannot save its document in %2</translation>
    </message>
    <message id="cliNoPicture">
        <source>fotino: cannot read the picture of the document %1</source>
        <translation>fotino: cannot read the picture of the document %1</translation>
    </message>
    <message id="batchImportMenu">
        <source>Import Pictures…</source>
        <translation>Import Pictures…</translation>
    </message>
    <message id="batchImportWindow">
        <source>Import Pictures</source>
        <translation>Import Pictures</translation>
    </message>
    <message id="batchImportIntro">
        <source>Pictures chosen: %1. Each becomes a document of the library, named after its file.</source>
        <translation>Pictures chosen: %1. Each becomes a document of the library, named after its file.</translation>
    </message>
    <message id="batchAutoFrame">
        <source>Auto-frame on the face</source>
        <translation>Auto-frame on the face</translation>
    </message>
    <message id="batchImportButton">
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message id="batchPicturesFilter">
        <source>Pictures</source>
        <translation>Pictures</translation>
    </message>
    <message id="batchProgress">
        <source>Importing “%1” (%2 of %3)…</source>
        <translation>Importing “%1” (%2 of %3)…</translation>
    </message>
    <message id="batchDone">
        <source>Documents made: %1 of %2.</source>
        <translation>Documents made: %1 of %2.</translation>
    </message>
    <message id="batchCancelled">
        <source>Import cancelled. Documents made: %1 of %2.</source>
        <translation>Import cancelled. Documents made: %1 of %2.</translation>
    </message>
    <message id="batchNoFace">
        <source>No face found, framed as a new document (check them by hand):</source>
        <translation>No face found, framed as a new document (check them by hand):</translation>
    </message>
    <message id="batchOutside">
        <source>Outside the format’s rules:</source>
        <translation>Outside the format’s rules:</translation>
    </message>
    <message id="batchFailed">
        <source>Not imported:</source>
        <translation>Not imported:</translation>
    </message>
    <message id="batchUnreadable">
        <source>not a picture Fotino can read</source>
        <translation>not a picture Fotino can read</translation>
    </message>
    <message id="batchBadName">
        <source>its name cannot name a document</source>
        <translation>its name cannot name a document</translation>
    </message>
    <message id="batchWriteFailed">
        <source>could not be saved</source>
        <translation>could not be saved</translation>
    </message>
    <message id="batchMore">
        <source>and %1 more</source>
        <translation>and %1 more</translation>
    </message>
    <message id="millimetresUnit">
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message id="saveFailedDiskFull">
        <source>The photo could not be saved: the disk holding “%1” is full. The files already there are unchanged and your changes are still here. Free some space and save again.</source>
        <translation>The photo could not be saved: the disk holding “%1” is full. The files already there are unchanged and your changes are still here. Free some space and save again.</translation>
    </message>
    <message id="presetNotSavedDiskFull">
        <source>The preset could not be saved: the disk holding “%1” is full. The presets already there are unchanged. Free some space and save again.</source>
        <translation>The preset could not be saved: the disk holding “%1” is full. The presets already there are unchanged. Free some space and save again.</translation>
    </message>
    <message id="exportDiskFull">
        <source>“%1” could not be exported: the disk is full. A file already there under that name is unchanged. Free some space and export again.</source>
        <translation>“%1” could not be exported: the disk is full. A file already there under that name is unchanged. Free some space and export again.</translation>
    </message>
    <message id="printDiskFull">
        <source>“%1” could not be written: the disk is full. A file already there under that name is unchanged. Free some space and print again.</source>
        <translation>“%1” could not be written: the disk is full. A file already there under that name is unchanged. Free some space and print again.</translation>
    </message>
    <message id="cliDiskFull">
        <source>fotino: cannot write %1: the disk is full</source>
        <translation>fotino: cannot write %1: the disk is full</translation>
    </message>
    <message id="batchDiskFull">
        <source>the disk is full; the pictures after it were not imported</source>
        <translation>the disk is full; the pictures after it were not imported</translation>
    </message>
    <message id="cliNoFrameInTime">
        <source>no frame in time</source>
        <translation>no frame in time</translation>
    </message>
</context>
</TS>
