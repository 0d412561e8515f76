"""Writes a zip whose bytes depend only on the files put in it: fixed names, order, times and
permissions. Usage: make_zip.py OUT.zip NAME=PATH [NAME=PATH ...]"""
import sys
import zipfile

FIXED_TIME = (2026, 1, 1, 0, 0, 0)


def main(out, entries):
    with zipfile.ZipFile(out, "w") as archive:
        for entry in sorted(entries):
            name, path = entry.split("=", 1)
            info = zipfile.ZipInfo(name, FIXED_TIME)
            info.compress_type = zipfile.ZIP_DEFLATED
            info.create_system = 0  # written as by Windows: no Unix owner or mode
            info.external_attr = 0x20  # the archive attribute, as Windows sets it
            with open(path, "rb") as source:
                archive.writestr(info, source.read(), compresslevel=9)


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2:])
