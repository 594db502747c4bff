#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The release tool's verification and notes, on a small release made here with a throwaway key: a bad
signature, a changed file, a missing one, one the rebuild did not make and one it made that SHA256SUMS
does not list each fail it, with status 1; two Qt sources in one folder are refused; the notes hold this version's
section of the changelog alone.
    release_verify.py TOOLS_RELEASE"""
import contextlib
import importlib.machinery
import importlib.util
import io
import os
import shutil
import subprocess
import sys
import tempfile
from pathlib import Path

loader = importlib.machinery.SourceFileLoader("release", sys.argv[1])
spec = importlib.util.spec_from_loader("release", loader)
release = importlib.util.module_from_spec(spec)
loader.exec_module(release)
failures = []


checks = 0


def check(what, condition, said=""):
    global checks
    checks += 1
    if not condition:
        failures.append(f"{what}{': ' + said if said else ''}")


def said(function, *args):
    """What FUNCTION prints, its result, and its refusal if any."""
    out = io.StringIO()
    refusal = None
    result = None
    with contextlib.redirect_stdout(out):
        try:
            result = function(*args)
        except release.Refusal as r:
            refusal = str(r)
    return out.getvalue(), result, refusal


work = Path(tempfile.mkdtemp())
try:
    os.environ["GNUPGHOME"] = str(work / "gnupg")
    (work / "gnupg").mkdir(mode=0o700)
    subprocess.run(["gpg", "--batch", "--quiet", "--passphrase", "", "--quick-gen-key",
                    "Tavelon test <test@tavelon.example>", "default", "default", "never"], check=True,
                   capture_output=True)

    def release_folder():
        folder = work / "dist"
        shutil.rmtree(folder, ignore_errors=True)
        folder.mkdir()
        for name, text in (("tavelon-1.00.tar.xz", "source"), ("tavelon_1.0.0_amd64.deb", "package"),
                           ("tavelon-1.00-win64.zip", "zip")):
            (folder / name).write_text(text)
        os.environ["TAVELON_GPG_KEY"] = "test@tavelon.example"
        with contextlib.redirect_stdout(io.StringIO()):
            release.write_sums(folder)
        del os.environ["TAVELON_GPG_KEY"]
        return folder

    # The rebuild is stood in for: it makes the files as they were released, unless a row changes one.
    def rebuilt_as_released(change=None):
        def rebuild(folder, source, listed, into):
            (into / "rebuilt").mkdir()
            for name in listed:
                shutil.copy2(work / "released" / name, into / "rebuilt" / name)
            if change:
                change(into / "rebuilt")
            return "0" * 40
        return rebuild

    release.missing_tools = lambda *tools: None
    shutil.copytree(release_folder(), work / "released")
    rows = [
        # name, what is done to the folder, what to the rebuild, the line expected, faults
        ("as released", None, None, "tavelon_1.0.0_amd64.deb: identical", 0),
        ("a changed file", lambda f: (f / "tavelon_1.0.0_amd64.deb").write_text("packagf"), None,
         "tavelon_1.0.0_amd64.deb: DIFFERENT from SHA256SUMS", 1),
        ("a missing file", lambda f: (f / "tavelon-1.00-win64.zip").unlink(), None,
         "tavelon-1.00-win64.zip: MISSING from the folder", 1),
        ("a rebuild that differs", None, lambda r: (r / "tavelon-1.00-win64.zip").write_text("zap"),
         "tavelon-1.00-win64.zip: DIFFERENT", 1),
        ("a file the rebuild did not make", None, lambda r: (r / "tavelon-1.00-win64.zip").unlink(),
         "tavelon-1.00-win64.zip: DIFFERENT: not made by the rebuild", 1),
        ("a file the rebuild made that SHA256SUMS does not list", None,
         lambda r: (r / "tavelon-1.00-win64.msi").write_text("msi"),
         "the rebuild made files SHA256SUMS does not list: tavelon-1.00-win64.msi", 1),
        ("a bad signature", lambda f: (f / "SHA256SUMS").write_text(
            "".join(reversed((f / "SHA256SUMS").read_text().splitlines(keepends=True)))), None,
         "SHA256SUMS.asc: a BAD signature", 1),
    ]
    for name, to_folder, to_rebuild, line, faults in rows:
        folder = release_folder()
        if to_folder:
            to_folder(folder)
        release.rebuild = rebuilt_as_released(to_rebuild)
        out, _, refusal = said(release.verify, folder)
        check(f"{name}: says \"{line}\"", any(l.endswith(line) or l.startswith(line) for l in out.splitlines()), out)
        if faults:
            check(f"{name}: refused", refusal == f"not verified: {faults} fault, above", str(refusal))
        else:
            check(f"{name}: verified", refusal is None and "All 3 files" in out, f"{refusal} {out}")
    # The command as run: status 1 when not verified.
    folder = release_folder()
    (folder / "tavelon-1.00-win64.zip").unlink()
    with contextlib.redirect_stdout(io.StringIO()), contextlib.redirect_stderr(io.StringIO()):
        status = release.main(["verify", str(folder)])
    check("tools/release verify of a folder with a file missing ends with status 1", status == 1, str(status))

    # A key this machine does not know is said, and not counted as a fault.
    folder = release_folder()
    os.environ["GNUPGHOME"] = str(work / "empty-gnupg")
    (work / "empty-gnupg").mkdir(mode=0o700)
    out, faults, _ = said(release.check_signature, folder)
    check("an unknown key is said", out.startswith("SHA256SUMS.asc: not checked"), out)
    check("an unknown key is no fault", faults == 0, str(faults))

    # The Qt source beside the Windows files, held to its .dsc: a file changed, even at its size, or missing
    # is refused by name.
    qt = work / "qt"
    (qt / "qt-6.8.2").mkdir(parents=True)
    bundled = {"zlib": "1.3.1", "pcre2": "10.44"}  # as the source's attribution files say
    for name, version in bundled.items():
        (qt / "qt-6.8.2" / "src" / "3rdparty" / name).mkdir(parents=True)
        (qt / "qt-6.8.2" / "src" / "3rdparty" / name / "qt_attribution.json").write_text(
            f'{{"Name": "{name}", "Version": "{version}", "LicenseId": "Zlib", "Copyright": ["Someone"]}}')
    subprocess.run(["tar", "-C", qt, "-cJf", qt / "qt6-base_6.8.2.orig.tar.xz", "qt-6.8.2"], check=True)
    shutil.rmtree(qt / "qt-6.8.2")
    (qt / "qt6-base_6.8.2-1.debian.tar.xz").write_bytes(b"debian changes")
    sums = "".join(f" {release.sha256(qt / f)} {(qt / f).stat().st_size} {f}\n"
                   for f in ("qt6-base_6.8.2.orig.tar.xz", "qt6-base_6.8.2-1.debian.tar.xz"))
    (qt / "qt6-base_6.8.2-1.dsc").write_text(f"Source: qt6-base\nVersion: 6.8.2-1\nChecksums-Sha256:\n{sums}")
    _, files, refusal = said(release.qt_source_files, qt)
    check("a Qt source as its .dsc says is taken", refusal is None and len(files) == 3, str(refusal))
    shutil.copy2(qt / "qt6-base_6.8.2-1.dsc", qt / "qt6-base_6.8.2-2.dsc")
    _, _, refusal = said(release.qt_source_files, qt)
    check("two Qt sources in one folder are refused", refusal == f"{qt}: expected one qt6-base .dsc, found 2",
          str(refusal))
    (qt / "qt6-base_6.8.2-2.dsc").unlink()
    for name, change in (("changed at its size", lambda f: f.write_bytes(b"debian chang3s")),
                         ("missing", lambda f: f.unlink())):
        kept = (qt / "qt6-base_6.8.2-1.debian.tar.xz").read_bytes()
        change(qt / "qt6-base_6.8.2-1.debian.tar.xz")
        _, _, refusal = said(release.qt_source_files, qt)
        check(f"a Qt source file {name} is refused by name",
              refusal == "qt6-base_6.8.2-1.debian.tar.xz does not match qt6-base_6.8.2-1.dsc", str(refusal))
        (qt / "qt6-base_6.8.2-1.debian.tar.xz").write_bytes(kept)

    # The notes: the title once, then this version's section of the changelog and nothing older.
    root = work / "root"
    root.mkdir()
    (root / "CHANGELOG.md").write_text("# Changes\n\n## 1.01 — 2027-02-03\n\nNewer words.\n\n### Fixed\n\n- a fix\n\n"
                                       "## 1.00 — 2026-12-08\n\nOlder words.\n", encoding="utf-8")
    release.ROOT = root
    release.versions = lambda root=None: ("1.1.0", "2027-02-03")
    release.notes(work)
    text = (work / "tavelon-1.01-notes.md").read_text(encoding="utf-8")
    check("the notes' title", text.startswith("# Tavelon 1.01, released 2027-02-03\n\n"), text)
    check("the notes' title once", text.count("# Tavelon") == 1 and "## 1.01" not in text, text)
    check("this version's section whole", "Newer words." in text and "### Fixed\n\n- a fix" in text, text)
    check("nothing of older versions", "Older words." not in text and "1.00" not in text, text)

    # The advisories page is read for one Qt source; a release with another is refused in one line.
    real = (Path(release.__file__).parent.parent / release.ADVISORIES).read_text(encoding="utf-8")
    check("the advisories page names the Qt source it was read for", "\nRead for: qt6-base " in real)
    (root / "docs").mkdir()
    for read, refused in (("6.8.2-1", None), ("6.8.2-0", "the Qt source is qt6-base 6.8.2-1, but "
                          "docs/QT-ADVISORIES.md was read for 6.8.2-0: read its patches and changelog and update the page")):
        (root / release.ADVISORIES).write_text(f"# Advisories\n\nRead for: qt6-base {read}\n", encoding="utf-8")
        _, _, refusal = said(release.advisories_for, qt)
        check(f"advisories read for {read}, a source of 6.8.2-1: {'refused' if refused else 'taken'}",
              refusal == refused, str(refusal))

    # The SBOM of a release with every kind of file, Windows' included, held by spdx_check.py: what each
    # file contains, which way each relationship points, Qt's own libraries at their source's versions.
    dist = work / "sbom"
    dist.mkdir()
    for name in ("tavelon-1.01.tar.xz", "tavelon-1.01-win64.exe", "tavelon-1.01-win64.zip"):
        (dist / name).write_text(name)
    for f in qt.iterdir():
        shutil.copy2(f, dist)
    release.debian_version = lambda name: "14.2.0-17+27"
    release.source_date = lambda: "2027-02-03T00:00:00Z"
    release.write_sbom(dist)
    result = subprocess.run([Path(__file__).parent / "spdx_check.py", *dist.glob("*.spdx.json"), dist, "Qt=6.8.2",
                             "libstdc++=14.2.0-17+27", *(f"{n}={v}" for n, v in bundled.items())],
                            capture_output=True, text=True)
    check("the SBOM of a release with Windows files", result.returncode == 0, result.stdout + result.stderr)
finally:
    subprocess.run(["gpgconf", "--kill", "gpg-agent"], capture_output=True)
    shutil.rmtree(work, ignore_errors=True)

for failure in failures:
    print(f"FAIL: {failure}")
print(f"release_verify: {checks} checks hold" if not failures else "")
sys.exit(1 if failures else 0)
