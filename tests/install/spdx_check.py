#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# spdx_check.py SBOM DIR [NAME=VERSION ...]
# Holds a release's SBOM to what a consumer of SPDX 2.3 JSON reads: the document's fields, a package per
# component with a version and licences that are valid SPDX expressions, every file of DIR but the
# checksums, notes and signatures described with its true SHA256; relationships that point the right way
# (a file CONTAINS and DEPENDS_ON components, a component is GENERATED_FROM a source file), the program in
# every built file, the installer's stub in the installer alone, the face and C library in the page's
# zip; and each NAME=VERSION contained in every Windows file. (Debian's Python: the licence parser comes with reuse.)
import hashlib
import json
import re
import sys
from pathlib import Path

from license_expression import get_spdx_licensing

sbom, folder = Path(sys.argv[1]), Path(sys.argv[2])
wanted = [pair.split("=", 1) for pair in sys.argv[3:]]
faults = []


def fault(text):
    faults.append(text)


document = json.loads(sbom.read_text(encoding="utf-8"))
for key, value in (("spdxVersion", "SPDX-2.3"), ("dataLicense", "CC0-1.0"), ("SPDXID", "SPDXRef-DOCUMENT")):
    if document.get(key) != value:
        fault(f"{key} is {document.get(key)!r}, not {value!r}")
for key in ("name", "documentNamespace"):
    if not document.get(key):
        fault(f"no {key}")
if not document.get("documentNamespace", "").startswith("https://"):
    fault("documentNamespace is not a URI")
creation = document.get("creationInfo", {})
if not creation.get("creators") or len(creation.get("created", "")) != 20 or not creation["created"].endswith("Z"):
    fault(f"creationInfo lacks creators or a UTC time: {creation}")

licensing = get_spdx_licensing()
# A LicenseRef is valid where the document writes out its text.
defined = {info.get("licenseId") for info in document.get("hasExtractedLicensingInfos", [])
           if info.get("licenseId", "").startswith("LicenseRef-") and info.get("extractedText", "").strip()}


def licence_faults(value):
    info = licensing.validate(value)
    unknown = sorted(set(info.invalid_symbols) - defined)
    return [e for e in info.errors if not e.startswith("Unknown license key")] + \
        ([f"unknown licence: {', '.join(unknown)}"] if unknown else [])


packages = {}
for package in document.get("packages", []):
    name = package.get("name", "?")
    for key in ("SPDXID", "name", "versionInfo", "downloadLocation", "copyrightText"):
        if not package.get(key):
            fault(f"package {name} has no {key}")
    for key in ("licenseConcluded", "licenseDeclared"):
        value = package.get(key, "")
        if value not in ("NOASSERTION", "NONE") and licence_faults(value):
            fault(f"package {name}: {key} {value!r}: {licence_faults(value)}")
    if package.get("SPDXID") in packages:
        fault(f"SPDXID {package['SPDXID']} twice")
    packages[package.get("SPDXID")] = package

relations = document.get("relationships", [])
for relation in relations:
    for end in ("spdxElementId", "relatedSpdxElement"):
        if relation.get(end) != "SPDXRef-DOCUMENT" and relation.get(end) not in packages:
            fault(f"a relationship names {relation.get(end)}, which is no package")
described = {r["relatedSpdxElement"] for r in relations if r.get("relationshipType") == "DESCRIBES"}


def is_file(spdx):
    return "packageFileName" in packages.get(spdx, {})


def label(spdx):
    package = packages.get(spdx, {})
    return package.get("packageFileName") or f"{package.get('name')} {package.get('versionInfo')}"


# Which ends of each kind are files: (element, related).
directions = {"CONTAINS": (True, False), "DEPENDS_ON": (True, False), "GENERATED_FROM": (False, True)}
for relation in relations:
    kind, a, b = relation.get("relationshipType"), relation.get("spdxElementId"), relation.get("relatedSpdxElement")
    if kind in directions and (a in packages and b in packages) and (is_file(a), is_file(b)) != directions[kind]:
        fault(f"{label(a)} {kind} {label(b)}: the wrong way round")
    if kind == "GENERATED_FROM" and is_file(b) and not re.search(r"\.(tar\.\w+|dsc)$", label(b)):
        fault(f"{label(a)} is said to be generated from {label(b)}, which is no source")
    if kind == "DEPENDS_ON" and not packages.get(b, {}).get("externalRefs"):
        fault(f"{label(a)} depends on {label(b)}, which names no package to install")


def related(spdx, kind):
    return [packages[r["relatedSpdxElement"]] for r in relations
            if r.get("spdxElementId") == spdx and r.get("relationshipType") == kind
            and r.get("relatedSpdxElement") in packages]


for spdx in packages:
    file = packages[spdx].get("packageFileName", "")
    if re.search(r"(\.deb|-win64\.exe|-win64\.zip|-web\.zip)$", file):
        if not any(p["name"] == "tavelon" for p in related(spdx, "CONTAINS")):
            fault(f"{file} is not said to contain the program")
        stub = [p for p in related(spdx, "CONTAINS") if p["name"] == "NSIS stub"]
        if bool(stub) != file.endswith("-win64.exe"):
            fault(f"{file} {'contains' if stub else 'lacks'} the installer's stub")

files = sorted(p.name for p in folder.iterdir() if p.is_file() and p.name not in ("SHA256SUMS", "SHA256SUMS.asc"))
by_file = {p.get("packageFileName"): p for p in packages.values() if p.get("packageFileName")}
for name in files:
    if name == sbom.name or name.endswith(("-notes.md", ".p7")):
        continue
    package = by_file.get(name)
    if not package:
        fault(f"{name} is not described")
        continue
    digest = hashlib.sha256((folder / name).read_bytes()).hexdigest()
    if {"algorithm": "SHA256", "checksumValue": digest} not in package.get("checksums", []):
        fault(f"{name}: the SBOM's checksum is not its SHA256 {digest}")
if not any(p["name"] == "tavelon" for p in packages.values()):
    fault("no package for the program itself")
# Each component that is built here is generated from the source files of dir that are its own.
for name, pattern in (("tavelon", r"tavelon-.*\.tar\.xz"), ("Qt", r"qt6-base_.*")):
    for spdx in (s for s, p in packages.items() if p["name"] == name):
        sources = sorted(p["packageFileName"] for p in related(spdx, "GENERATED_FROM"))
        if sources != [f for f in files if re.fullmatch(pattern, f)]:
            fault(f"{name} is said to be generated from {sources}")

# The page's zip: the face it draws with and the C library emscripten linked in.
for artefact in (p for p in packages.values() if p.get("packageFileName", "").endswith("-web.zip")):
    contained = {p["name"] for p in related(artefact["SPDXID"], "CONTAINS")}
    if not {"Qt", "Liberation Sans", "musl libc", "libc++"} <= contained:
        fault(f"{artefact['packageFileName']} is said to contain only {sorted(contained)}")
for artefact in (p for p in packages.values() if p.get("packageFileName", "").endswith(("-win64.exe", "-win64.zip"))):
    if artefact["SPDXID"] not in described:
        fault(f"the document does not describe {artefact['packageFileName']}")
    contained = related(artefact["SPDXID"], "CONTAINS")
    for name, version in wanted:
        if not any(p["name"] == name and p["versionInfo"] == version for p in contained):
            fault(f"{artefact['packageFileName']} is not said to contain {name} {version}: "
                  f"{[(p['name'], p['versionInfo']) for p in contained]}")

if faults:
    print("SBOM faults:\n  " + "\n  ".join(faults))
    sys.exit(1)
print(f"SBOM: SPDX 2.3, {len(packages)} packages, {len(relations)} relationships, every file described")
