#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""zip.py EPOCH ZIP FOLDER: FOLDER's files into ZIP under the folder's name, the same bytes from the same
files: sorted, each stamped with EPOCH (the sources' time) and plain read-write-read permissions."""
import sys
import time
import zipfile
from pathlib import Path

epoch, target, folder = int(sys.argv[1]), Path(sys.argv[2]), Path(sys.argv[3])
stamp = time.gmtime(max(epoch, 315532800))[:6]  # a zip cannot say a time before 1980
with zipfile.ZipFile(target, "w", zipfile.ZIP_DEFLATED, compresslevel=9) as archive:
    for path in sorted(p for p in folder.rglob("*") if p.is_file()):
        entry = zipfile.ZipInfo(f"{folder.name}/{path.relative_to(folder).as_posix()}", stamp)
        entry.compress_type = zipfile.ZIP_DEFLATED
        entry.external_attr = 0o100644 << 16
        entry.create_system = 3
        archive.writestr(entry, path.read_bytes(), compresslevel=9)
