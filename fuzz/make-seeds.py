#!/usr/bin/env python3
"""Makes the committed seed corpora of the fuzz targets (fuzz/corpus/TARGET/) from the test
data: the sample portrait in every picture format the decoder takes, documents and presets as
the program writes them (XML, and binary as other tools write them), and command lines.

    fuzz/make-seeds.py BUILD     (BUILD: a build folder holding resources/presets)

ImageMagick makes the pictures. Run it again only to change the seeds: the fuzzers find
their own inputs from these.
"""
import base64
import pathlib
import plistlib
import subprocess
import sys
import tempfile

ROOT = pathlib.Path(__file__).resolve().parent.parent
CORPUS = ROOT / "fuzz" / "corpus"
PORTRAIT = ROOT / "tests" / "data" / "portrait-512.jpg"
PROFILES = pathlib.Path("/usr/share/color/icc/colord")


def convert(*arguments, out):
    """ImageMagick from the portrait (or the given source) to the file `out`."""
    subprocess.run(["convert", *arguments, str(out)], check=True)
    return out.read_bytes()


def write(target, name, data):
    folder = CORPUS / target
    folder.mkdir(parents=True, exist_ok=True)
    (folder / name).write_bytes(data)


def pictures(tmp):
    small = [str(PORTRAIT), "-resize", "64x64"]
    made = {
        "portrait.jpg": [*small, "-quality", "80"],
        "progressive.jpg": [*small, "-interlace", "JPEG"],
        "gray.jpg": [*small, "-colorspace", "Gray"],
        "cmyk.jpg": [*small, "-colorspace", "CMYK"],
        "turned-6.jpg": [*small, "-orient", "RightTop"],
        "mirrored-5.jpg": [*small, "-orient", "LeftTop"],
        "adobe-rgb.jpg": [*small, "-profile", str(PROFILES / "AdobeRGB1998.icc")],
        "density-300.jpg": [*small, "-units", "PixelsPerInch", "-density", "300"],
        "rgb.png": [*small],
        "alpha.png": [*small, "-alpha", "set", "-channel", "A", "-evaluate", "set", "60%"],
        "palette.png": [*small, "-colors", "16"],
        "deep.png": [*small, "-depth", "16"],
        "interlaced.png": [*small, "-interlace", "PNG"],
        "density.png": [*small, "-units", "PixelsPerCentimeter", "-density", "118"],
        "lzw.tif": [*small, "-compress", "LZW", "-density", "300"],
        "alpha.tif": [*small, "-alpha", "set", "-compress", "None"],
        "gray.tif": [*small, "-colorspace", "Gray", "-compress", "Zip"],
        "portrait.gif": [*small],
        "portrait.bmp": [*small],
        "portrait.webp": [*small],
        "portrait.ppm": [str(PORTRAIT), "-resize", "24x24"],
        "portrait.pgm": [str(PORTRAIT), "-resize", "24x24"],
        "portrait.ico": [str(PORTRAIT), "-resize", "32x32"],
        "portrait.tga": [str(PORTRAIT), "-resize", "24x24"],
        "portrait.xpm": [str(PORTRAIT), "-resize", "16x16"],
    }
    for name, arguments in made.items():
        out = tmp / ("seed." + name.split(".")[-1])
        prefix = "PNG8:" if name == "palette.png" else ""
        subprocess.run(["convert", *arguments, prefix + str(out)], check=True)
        write("picture", name, out.read_bytes())


def tiff(tmp, *arguments):
    return convert(*arguments, "-compress", "None", out=tmp / "small.tif")


def documents(tmp):
    thumbnail = tiff(tmp, "-size", "16x16", "xc:white")
    mask = tiff(tmp, "-size", "20x26", "xc:none", "-fill", "white", "-draw",
                "rectangle 0,0 19,3", "-alpha", "set")
    base = {
        "AbstractResourceFileType": "ftoct",
        "FTName": "Visa",
        "FTWidth": 3.5,
        "FTHeight": 4.5,
        "FTSize": 42.0,
        "FTXOffset": 50.0,
        "FTYOffset": 50.0,
        "FTImageRotation": 0.0,
        "FTImageGamma": 0,
        "FTImageBrightness": 0,
        "FTShowFaceFrame": "YES",
        "FTVers": 1,
        "FTImageName": "Visa.jpg",
        "FTZImage": thumbnail,
        "presetName": "ICAO 35 x 45 mm",
        "presetUUID": "0123456789abcdef",
        "presetGuides": {
            "0_Face": {"left": 0.6, "top": 4.1, "right": 2.9, "bottom": 0.9},
            "Eyes": {"left": 0.0, "top": 3.1, "right": 3.5, "bottom": 2.3},
        },
    }
    variants = {
        "visa-jpeg": {},
        "png-turned": {"FTImageName": "Permit.png", "FTImageRotation": 90.0,
                       "FTImageGamma": 35, "FTImageBrightness": -20},
        "tiff-gray-masked": {"FTImageName": "x.tif", "_ftnGrayscale": "YES",
                             "presetMask": mask, "FTSize": 180.0, "FTXOffset": 10.0},
        "version-0": {"FTVers": 0, "FTXOffset": 30.0, "FTYOffset": -12.0,
                      "FTImageRotation": 33.5},
        "no-picture": {"FTImageName": "", "FTWidth": 5.08, "FTHeight": 5.08},
        "rules": {"presetRules": {"headMin": 32.0, "headMax": 36.0, "eyeLineMin": 28.0,
                                  "eyeLineMax": 35.0, "background": "white"}},
    }
    for name, changes in variants.items():
        document = {**base, **changes}
        write("document", name + ".ftoct", plistlib.dumps(document, fmt=plistlib.FMT_XML))
        write("plist", name + ".xml", plistlib.dumps(document, fmt=plistlib.FMT_XML))
    binary = {**base, "FTImageName": "Visa.png"}
    write("document", "binary.ftoct", plistlib.dumps(binary, fmt=plistlib.FMT_BINARY))
    write("plist", "binary-document.bplist", plistlib.dumps(binary, fmt=plistlib.FMT_BINARY))
    # Values of every kind, nested, in both forms.
    kinds = {
        "string": "é\u00a0✓", "integer": -7, "big": 2**63 - 1, "real": 0.1, "true": True,
        "false": False, "data": b"\x00\xff", "array": [1, [2.5, "x"], {"k": b""}],
        "date": __import__("datetime").datetime(2001, 1, 1, 0, 0, 1),
        "dictionary": {"": {"nested": {"deeper": []}}},
    }
    write("plist", "kinds.xml", plistlib.dumps(kinds, fmt=plistlib.FMT_XML))
    write("plist", "kinds.bplist", plistlib.dumps(kinds, fmt=plistlib.FMT_BINARY))
    write("plist", "array.xml", plistlib.dumps([1, "two", 3.0], fmt=plistlib.FMT_XML))


def presets(tmp, build):
    built_in = sorted((build / "resources" / "presets").glob("*.ftnpst"))
    for path in built_in[:3]:
        write("preset", path.name, path.read_bytes())
        write("plist", path.name, path.read_bytes())
    with built_in[0].open("rb") as f:
        preset = plistlib.load(f)
    preset["presetName"] = "Mine"
    preset["presetIcon"] = tiff(tmp, str(PORTRAIT), "-resize", "40x40")
    preset["presetRules"] = {"headMin": 32.0, "headMax": 36.0, "background": "lightNotWhite"}
    write("preset", "user-with-icon-and-rules.ftnpst",
          plistlib.dumps(preset, fmt=plistlib.FMT_XML))
    write("preset", "binary.ftnpst", plistlib.dumps(preset, fmt=plistlib.FMT_BINARY))
    preset["presetIcon"] = convert(str(PORTRAIT), "-resize", "200x200", out=tmp / "big.png")
    preset.pop("presetMask", None)
    preset["presetGuides"] = {"0_Face": {"left": "0.5", "top": True}}
    write("preset", "large-png-icon-odd-guides.ftnpst",
          plistlib.dumps(preset, fmt=plistlib.FMT_XML))


def command_lines():
    # The first byte picks the command (see CommandLineTarget.cpp), words are NUL-separated.
    lines = {
        "print": (0, ["Visa.ftoct", "--pdf", "sheet.pdf", "--copies", "4", "--paper", "A4",
                      "--interspace", "15"]),
        "render": (1, ["Visa.ftoct", "-o", "out.png", "--dpi", "300"]),
        "export-pixels": (2, ["Visa.ftoct", "-o", "out", "--format", "jpeg", "--pixels",
                              "600x600", "--quality", "0.8"]),
        "export-dpi": (2, ["--dpi", "600", "-o", "x.tif", "--format", "TIFF", "Visa.ftoct"]),
        "export-both": (2, ["Visa.ftoct", "--dpi", "72", "--pixels", "10x10", "-o", "y"]),
        "export-max-kb": (2, ["Visa.ftoct", "-o", "z.jpg", "--pixels", "600x600", "--max-kb",
                              "240"]),
        "print-cut-marks": (0, ["Visa.ftoct", "--pdf", "s.pdf", "--cut-marks"]),
        "list": (3, ["--folder", "."]),
        "presets": (4, []),
        "view": (5, ["Visa.ftoct"]),
        "new": (6, ["photo.jpg", "--preset", "ICAO 35×45 mm", "--auto-frame", "--name", "Anna",
                    "--folder", "Library"]),
        "check": (7, ["Visa.ftoct", "Other.ftoct"]),
        "version": (8, []),
        "unknown-option": (0, ["--frob", "x"]),
        "missing-value": (1, ["Visa.ftoct", "-o"]),
    }
    for name, (command, words) in lines.items():
        write("cli", name, bytes([command]) + b"\0".join(w.encode() for w in words))


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    build = pathlib.Path(sys.argv[1])
    with tempfile.TemporaryDirectory() as folder:
        tmp = pathlib.Path(folder)
        pictures(tmp)
        documents(tmp)
        presets(tmp, build)
    command_lines()


if __name__ == "__main__":
    main()
