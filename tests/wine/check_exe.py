#!/usr/bin/python3
"""Checks what Windows reads from velmora.exe before it runs it: the machine,
the console subsystem, the version resource and the manifest.

    check_exe.py EXE i386|amd64
"""
import sys

import pefile

MACHINES = {"i386": 0x14C, "amd64": 0x8664}


def main():
    path, machine = sys.argv[1], sys.argv[2]
    pe = pefile.PE(path)
    problems = []

    def expect(what, actual, wanted):
        if actual != wanted:
            problems.append(f"{what}: {actual!r}, expected {wanted!r}")

    expect("machine", pe.FILE_HEADER.Machine, MACHINES[machine])
    expect("PE32 (not PE32+)", pe.OPTIONAL_HEADER.Magic == 0x10B, machine == "i386")
    expect("subsystem", pe.OPTIONAL_HEADER.Subsystem, pefile.SUBSYSTEM_TYPE["IMAGE_SUBSYSTEM_WINDOWS_CUI"])

    fixed = pe.VS_FIXEDFILEINFO[0]
    version = lambda ms, ls: (ms >> 16, ms & 0xFFFF, ls >> 16, ls & 0xFFFF)
    expect("file version", version(fixed.FileVersionMS, fixed.FileVersionLS), (1, 0, 0, 1))
    expect("product version", version(fixed.ProductVersionMS, fixed.ProductVersionLS), (1, 0, 0, 1))

    tables, translations = [], []
    for info in pe.FileInfo[0]:
        if info.Key == b"StringFileInfo":
            for table in info.StringTable:
                tables.append((table.LangID, {k.decode(): v.decode() for k, v in table.entries.items()}))
        if info.Key == b"VarFileInfo":
            for var in info.Var:
                translations.extend(var.entry.values())
    expect("string tables", [lang for lang, _ in tables], [b"041104B0"])
    if tables:
        strings = tables[0][1]
        expect("FileVersion string", strings.get("FileVersion"), "1.0.0.1")
        expect("ProductVersion string", strings.get("ProductVersion"), "1.0.0.1")
        for key in ("FileDescription", "ProductName", "CompanyName"):
            if not strings.get(key):
                problems.append(f"{key} is empty")
    expect("translation", [str(t) for t in translations], ["0x0411 0x04b0"])

    manifests = []
    for kind in pe.DIRECTORY_ENTRY_RESOURCE.entries:
        if kind.id == pefile.RESOURCE_TYPE["RT_MANIFEST"]:
            for name in kind.directory.entries:
                for lang in name.directory.entries:
                    data = lang.data.struct
                    manifests.append(pe.get_data(data.OffsetToData, data.Size).decode())
    expect("manifests", len(manifests), 1)
    if manifests:
        text = manifests[0]
        for needed in ('level="asInvoker"', 'uiAccess="false"'):
            if needed not in text:
                problems.append(f"manifest lacks {needed}")

    for problem in problems:
        print(f"{path}: {problem}")
    print(f"{path} ({machine}): {'metadata wrong' if problems else 'metadata as expected'}")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
