#!/usr/bin/env python3
"""Writes the seed corpus under fuzz/corpus/<target>/ from the test fixtures,
the sample point files and a few hand-made damaged files. Run it from any
folder; it replaces the seeds it writes and leaves other files alone."""

import pathlib
import struct
import zlib

ROOT = pathlib.Path(__file__).resolve().parent.parent
CORPUS = ROOT / "fuzz" / "corpus"

PARAMETER_MARKER = b"**** ITRF Parameters ****"
ELLIPSOID_MARKER = b"**** Ellipsoid ****"


def write(target, name, data):
    folder = CORPUS / target
    folder.mkdir(parents=True, exist_ok=True)
    (folder / name).write_bytes(data)


def text(name):
    """Length-prefixed text in its shortest form."""
    n = len(name)
    if n < 0xFF:
        return bytes([n]) + name
    if n < 0xFFFE:
        return b"\xff" + struct.pack("<H", n) + name
    return b"\xff\xff\xff" + struct.pack("<I", n) + name


def doubles(*values):
    return b"".join(struct.pack("<d", v) for v in values)


def parameter_record(name, epoch, base, rate, flag=None, checksum=None):
    values = [epoch] + list(base) + list(rate)
    crc = zlib.crc32(name + doubles(*values)) if checksum is None else checksum
    body = text(name) + doubles(epoch)
    for b, r in zip(base, rate):
        body += doubles(b, r)
    body += struct.pack("<I", crc)
    if flag is not None:
        body += struct.pack("<I", flag)
    return body


def ellipsoid_record(name, a, a_decimals, f, f_decimals, checksum=None):
    crc = zlib.crc32(name + doubles(a, f)) if checksum is None else checksum
    return (text(name) + doubles(a) + struct.pack("<i", a_decimals) + doubles(f) +
            struct.pack("<i", f_decimals) + struct.pack("<I", crc))


# A length far beyond any file, right where a name starts, in the 32-bit
# and the 16-bit forms.
HOSTILE_32 = b"\xff\xff\xff" + struct.pack("<I", 0xFFFFFFF0) + b"abc"
HOSTILE_16 = b"\xff\xfd\xff" + b"abc"

BASE = [0.0067, 0.0061, -0.0185, 0.0, 0.0, 0.0, 0.00155]
RATE = [-0.0006, -0.0014, 0.0001, -0.00019, 0.001, 0.0, 0.00001]
UNSET = 1000000.0
NAN = float("nan")
INF = float("inf")


def parameter_seeds():
    fixtures = ROOT / "tests" / "params" / "fixtures"
    for name in ["itrf2000.params", "bad_crc.params", "truncated.params", "wrong_marker.params"]:
        write("parameter_file", name, (fixtures / name).read_bytes())
    m = PARAMETER_MARKER
    seeds = {
        "list_two_sets": m + parameter_record(b"ITRF2005", 2000.0, BASE, RATE, 1) +
                         parameter_record(b"ITRF2005", 2001.0, BASE, RATE, 0),
        "editor_record": m + parameter_record(b"MyDatum", 1997.0, BASE, RATE),
        "long_name_16bit": m + parameter_record(b"x" * 300, 2000.0, BASE, RATE, 1),
        "name_in_32bit_form": m + b"\xff\xff\xff" + struct.pack("<I", 4) + b"ITRF" +
                              parameter_record(b"", 2000.0, BASE, RATE, 1)[1:],
        "hostile_length_32": m + HOSTILE_32,
        "hostile_length_16": m + HOSTILE_16,
        "non_finite_values": m + parameter_record(b"NaN", NAN, [INF, -INF] + BASE[2:],
                                                  [NAN] * 7, 1),
        "huge_values": m + parameter_record(b"Huge", 1e308, [1e308] * 7, [-1e308] * 7, 1),
        "unset_values": m + parameter_record(b"Unset", UNSET, [UNSET] * 7, RATE, 1),
        "built_in_name": m + parameter_record(b"ITRF2000", 2000.0, BASE, RATE, 1),
        "empty_name": m + parameter_record(b"", 2000.0, BASE, RATE, 1),
        "wrong_checksum_list": m + parameter_record(b"Bad", 2000.0, BASE, RATE, 1, 12345),
        "marker_only": m,
        "cut_in_marker": m[:10],
        "ellipsoid_marker": ELLIPSOID_MARKER + parameter_record(b"X", 2000.0, BASE, RATE, 1),
    }
    for name, data in seeds.items():
        write("parameter_file", name, data)


def ellipsoid_seeds():
    fixtures = ROOT / "tests" / "params" / "fixtures"
    write("ellipsoid_file", "grs80.ellipsoid", (fixtures / "grs80.ellipsoid").read_bytes())
    m = ELLIPSOID_MARKER
    seeds = {
        "list_two": m + ellipsoid_record(b"Clarke 1866", 6378206.4, 1, 294.9786982, 7) +
                    ellipsoid_record(b"Bessel", 6377397.155, 3, 299.1528128, 7),
        "built_in_name": m + ellipsoid_record(b"GRS80", 6378137.0, 1, 298.257222101, 9),
        "long_name_16bit": m + ellipsoid_record(b"e" * 400, 6378137.0, 1, 298.0, 1),
        "hostile_length_32": m + HOSTILE_32,
        "hostile_length_16": m + HOSTILE_16,
        "huge_decimals": m + ellipsoid_record(b"Decimals", 6378137.0, 0x7FFFFFFF, 298.0,
                                              -0x80000000),
        "non_finite": m + ellipsoid_record(b"NaN", NAN, 3, INF, 3),
        "huge_values": m + ellipsoid_record(b"Huge", 1e308, 40, -1e308, 40),
        "negative_values": m + ellipsoid_record(b"Neg", -6378137.0, 1, -298.0, 1),
        "unset_values": m + ellipsoid_record(b"Unset", UNSET, -1, UNSET, -1),
        "empty_name": m + ellipsoid_record(b"", 6378137.0, 1, 298.0, 1),
        "wrong_checksum": m + ellipsoid_record(b"Bad", 6378137.0, 1, 298.0, 1, 777),
        "truncated": (m + ellipsoid_record(b"Cut", 6378137.0, 1, 298.0, 1))[:-7],
        "marker_only": m,
        "parameter_marker": PARAMETER_MARKER + ellipsoid_record(b"X", 6378137.0, 1, 298.0, 1),
    }
    for name, data in seeds.items():
        write("ellipsoid_file", name, data)


EXAMPLES = sorted((ROOT / "examples").glob("*"))


def line_seeds():
    for path in EXAMPLES:
        write("line_fields", path.name, path.read_bytes())
    seeds = {
        "quotes": b'"a, b",-23.5,133.2\n"unclosed,-23.5,133.2\n"x"y",1,2\n',
        "blanks_and_commas": b"Alice Springs -23 40 12.4 133 53 7.8 603\nA B,C 1 2 3\n",
        "letters": b"P1 23 40 S 133 53 E 10\nP2 23.5 s 133.5 w\n",
        "dates": b"P1 01/01/2005 -4052051.765 4212836.205 -2545106.026\n"
                 b"P2 2005.5 -4052051.765 4212836.205 -2545106.026\n",
        "tabs_crlf": b"ALIC\t-23\t40\t12.4\t133\t53\t7.8\r\n\r\n#c\r\n",
        "spaces_only": b"     \n \t \n,\n,,\n",
    }
    for name, data in seeds.items():
        write("line_fields", name, data)


def angle_seeds():
    seeds = {
        "dms": (0, b"-23\n40\n12.44604\n133\n53\n07.84777"),
        "dms_minus_zero": (0, b"-0\n30\n00\n0\n0\n0"),
        "dm": (1, b"-23\n40.2074340\n133\n53.1307962"),
        "dd": (2, b"-23.670123900\n133.885513270"),
        "dmshp": (3, b"-23.401244604\n133.530784777"),
        "dmhp": (4, b"-23.40207434\n133.53130796"),
        "dms_one_field": (5, b"-23 40 12.44604\n133 53 07.84777"),
        "dm_one_field": (5 | 0x10, b"-23 40.2074340\n133  53.1307962"),
        "cartesian": (6, b"-4052051.765\n4212836.205\n-2545106.026"),
        "dd_height": (7, b"-23.67\n133.88\n603.350"),
        "letters_south_east": (0x80 | 2, b"23.67\n133.88\n\n\nS\nE"),
        "letters_north_west": (0x80 | 0x10 | 0, b"23\n40\n12\n133\n53\n7\nNorth\nWest"),
        "epoch_date": (8, b"01/01/2005"),
        "epoch_decimal": (8 | 0x20, b"2005.500"),
        "epoch_automatic": (8 | 0x10 | 0x20 | 0x40, b" 29/02/2000 "),
        "epoch_out_of_range": (8 | 0x10, b"1988.999"),
        "epoch_bad_date": (8 | 0x10, b"31/02/2005"),
        "huge_numbers": (2, b"1e308\n-1e308"),
        "not_numbers": (0, b"nan\ninf\n-\n+\n0x10\n1e"),
        "long_integers": (1, b"99999999999999999999\n5\n-99999999999999999999\n5"),
    }
    for name, (choice, data) in seeds.items():
        write("angle_readers", name, bytes([choice]) + data)


def settings(b0, b1=0xC0, identifier=1, epoch=0, f1=2, f2=3, f3=4, b7=0, b8=0, b9=0x75):
    # Field numbers are stored plus one (0 is none).
    return bytes([b0, b1, identifier, epoch, f1, f2, f3, b7, b8, b9])


def file_run_seeds():
    detect = 0x80 | 0x40  # the layout from detection, with a header
    for i, path in enumerate(EXAMPLES):
        data = path.read_bytes()
        write("file_run", "detected_" + path.stem, settings(detect | (0x20 * (i % 2)),
                                                           b7=i % 5) + data)
    ex = ROOT / "examples"
    fixed = {
        # Cartesian, set date, comma-separated without header.
        "cartesian_csv": (settings(0x20, identifier=1, f1=2, f2=3, f3=4),
                          ex / "cartesian.csv"),
        # Cartesian with an epoch from each record, reverse direction.
        "cartesian_epochs": (settings(0x01 | 0x04 | 0x08 | 0x40, b1=0xC0, identifier=1,
                                      epoch=2, f1=3, f2=4, f3=5), ex / "cartesian_epochs.txt"),
        # Geographic DMS, six fields.
        "geographic_dms": (settings(0x02 | 0x40, b1=0x40 | 0, f1=2, f2=5, f3=8, b7=0x08),
                           ex / "geographic_dms.txt"),
        # Geographic DD, sign style, letters out.
        "geographic_dd": (settings(0x02 | 0x20, b1=0xC0 | 0x08 | 1, f1=2, f2=3, f3=4,
                                   b7=0x10 | 2), ex / "geographic_dd.csv"),
        # Packed DMS and DM.
        "packed_dms": (settings(0x02 | 0x20, b1=0x40 | 3, f1=2, f2=3, f3=4, b7=3),
                       ex / "geographic_packed_dms.csv"),
        "packed_dm": (settings(0x02, b1=0x40 | 4, f1=2, f2=3, f3=4, b7=4),
                      ex / "geographic_packed_dm.csv"),
        # One field per axis.
        "dms_one_field": (settings(0x02 | 0x20, b1=0xC0 | 5, f1=2, f2=3, f3=4, b8=1),
                          ex / "geographic_dms_one_field.csv"),
        "dm_one_field": (settings(0x02, b1=0xC0 | 6, f1=2, f2=3, f3=4, b8=2),
                         ex / "geographic_dm_one_field.csv"),
        # Geographic without a layout: refused.
        "no_layout": (settings(0x02, b1=0xC7), ex / "geographic_dd.csv"),
        # A set date the run refuses.
        "bad_set_date": (settings(0x00, b8=7), ex / "cartesian.csv"),
    }
    for name, (head, path) in fixed.items():
        write("file_run", name, head + path.read_bytes())
    write("file_run", "empty_input", settings(0x20))
    write("file_run", "no_final_feed", settings(0x20) + b"P1,-4052051.765,4212836.205,-2545106.026")
    write("file_run", "long_line", settings(0x02 | 0x20, b1=0xC2) + b"x" * 3000 + b"\n,,,\n")


parameter_seeds()
ellipsoid_seeds()
line_seeds()
angle_seeds()
file_run_seeds()
