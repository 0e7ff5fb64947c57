#!/usr/bin/env python3
"""Writes the fuzzers' seed corpus into fuzz/corpus (small files that cover the sections,
nesting, encodings, entities, CDATA and truncation of the files the readers meet) and their
dictionary of element names, fuzz/readers.dict."""

import pathlib
import re

FUZZ = pathlib.Path(__file__).resolve().parent
HERE = FUZZ / "corpus"

PHOTO = (
    "<写真情報><写真ファイル情報><シリアル番号>{serial}</シリアル番号>"
    "<写真ファイル名>P{serial:07d}.JPG</写真ファイル名><メディア番号>1</メディア番号>"
    "</写真ファイル情報><撮影工種区分><写真-大分類>工事</写真-大分類><写真区分>{category}</写真区分>"
    "<工種>道路土工</工種><種別>掘削工</種別><細別>土砂掘削</細別><写真タイトル>{title}</写真タイトル>"
    "</撮影工種区分><付加情報><参考図ファイル名>D0000001.JPG</参考図ファイル名>"
    "<参考図タイトル>平面図</参考図タイトル><付加情報予備>予備</付加情報予備></付加情報>"
    "<撮影情報><撮影箇所>No.{serial}</撮影箇所><撮影年月日>2024-05-01</撮影年月日></撮影情報>"
    "<施工管理値>幅 3.0m</施工管理値><施工管理値予備>a</施工管理値予備><写真情報予備>b</写真情報予備>"
    "<請負者説明文>備考</請負者説明文><受注者説明文>新</受注者説明文><代表写真>1</代表写真></写真情報>"
)
CONSTRUCTION = (
    "<工事情報><発注年度>2024</発注年度><工事番号>0012</工事番号><工事名称>改良工事</工事名称>"
    "<工期開始日>2024-04-01</工期開始日><工期終了日>2025-03-31</工期終了日>"
    "<発注者-大分類>国土交通省</発注者-大分類><発注者-中分類>局</発注者-中分類>"
    "<発注者-小分類>事務所</発注者-小分類><請負者名>㈱髙橋建設</請負者名></工事情報>"
)
BASIC = "<基礎情報><写真フォルダ名>PIC</写真フォルダ名><参考図フォルダ名>DRA</参考図フォルダ名></基礎情報>"


def photos(count, category="施工状況写真", title="掘削状況①"):
    return "".join(PHOTO.format(serial=i + 1, category=category, title=title) for i in range(count))


def document(body, encoding="UTF-8", doctype='<!DOCTYPE photodata SYSTEM "PHOTO05.DTD">'):
    return f'<?xml version="1.0" encoding="{encoding}"?>\r\n{doctype}\r\n<photodata>{body}</photodata>\r\n'


def photo_xml_seeds():
    full = document(BASIC + CONSTRUCTION + photos(3))
    yield "minimal.xml", "<photodata/>".encode()
    yield "full-utf8.xml", full.encode()
    yield "full-sjis.xml", document(BASIC + CONSTRUCTION + photos(2), "Shift_JIS").encode("cp932")
    yield "full-utf16.xml", document(BASIC + photos(1), "UTF-16").encode("utf-16")
    yield "truncated.xml", full.encode()[: len(full.encode()) // 2]
    yield "nested-sections.xml", document("<写真情報><写真情報><付加情報><付加情報>x</付加情報>"
                                          "</付加情報></写真情報></写真情報>").encode()
    yield "entities-cdata.xml", document(
        photos(1, title="A&amp;B &lt;&#x9AD9;&#12354; &e; <![CDATA[<c>]]><!-- note -->"),
        doctype='<!DOCTYPE photodata [<!ENTITY e "展開">]>').encode()
    yield "reserves.xml", document(photos(2, category="") + "<ソフトメーカ用TAG>x</ソフトメーカ用TAG>").encode()


INDEX_BODY = (
    "<基礎情報><メディア番号>1</メディア番号><メディア総枚数>2</メディア総枚数></基礎情報>"
    "<工事件名等><工事番号>0012</工事番号><工事名称>改良工事</工事名称>"
    "<工期開始日>2010-04-01</工期開始日><工期終了日>2011-03-31</工期終了日></工事件名等>"
)


def index(body, encoding="UTF-8"):
    return (f'<?xml version="1.0" encoding="{encoding}"?>\r\n<!DOCTYPE constdata SYSTEM "INDE_C05.DTD">\r\n'
            f'<constdata DTD_version="05">{body}</constdata>\r\n')


def construction_index_seeds():
    yield "oldest.xml", index(INDEX_BODY + "<発注者情報><発注者機関事務所名>事務所</発注者機関事務所名></発注者情報>"
                              "<請負者情報><請負者名>㈱髙橋建設</請負者名></請負者情報>").encode()
    newest = index(INDEX_BODY + "<発注者情報><発注者-大分類>国土交通省</発注者-大分類><工事担当課>課</工事担当課>"
                   "</発注者情報><受注者情報><受注者名>㈱テッセル建設</受注者名><受注者コード>1</受注者コード></受注者情報>")
    yield "newest-sjis.xml", index(INDEX_BODY, "Shift_JIS").encode("cp932")
    yield "newest.xml", newest.encode()
    yield "truncated.xml", newest.encode()[:200]
    yield "foreign.xml", "<other><工事名称>x</工事名称></other>".encode()


def ini_seeds():
    yield "defaults.ini", b"[Option]\nPhotoSlideInterval=10\nBrowseMode=0\n"
    yield "hand-edited.ini", ("; comment\r\n[Misc]\r\nBrowseMode=0\r\n  [ option ]  \r\n"
                              "  photoslideinterval = \"250\" \r\nBROWSEMODE=7\r\n\r\n[Window]\r\nLeft=3").encode()
    yield "no-section.ini", b"BrowseMode=1\n[Option"
    yield "two-sections.ini", b"[Option]\nA=1\n[Option]\nBrowseMode=5\n"


for folder, seeds in (("photo_xml", photo_xml_seeds()), ("construction_index", construction_index_seeds()),
                      ("ini", ini_seeds())):
    (HERE / folder).mkdir(parents=True, exist_ok=True)
    for name, data in seeds:
        (HERE / folder / name).write_bytes(data)


def escaped(token):
    """A dictionary entry: libFuzzer takes printable ASCII as it is and other bytes as \\xNN."""
    out = ""
    for byte in token.encode("utf-8"):
        char = chr(byte)
        if char in '\\"' :
            out += "\\" + char
        elif 0x20 <= byte < 0x7F:
            out += char
        else:
            out += f"\\x{byte:02X}"
    return out


def dictionary():
    tables = (FUZZ.parent / "model" / "ElementTables.h").read_text(encoding="utf-8")
    names = set(re.findall(r'"([^"]+)"', tables))
    names.update(["constdata", "photodata", "工事件名等", "発注者情報", "受注者情報", "請負者情報",
                  "発注者機関事務所名", "受注者名", "受注者コード", "工事担当課", "メディア総枚数",
                  "受注者説明文"])
    tokens = ['<?xml version="1.0" encoding="Shift_JIS"?>', '<!DOCTYPE photodata SYSTEM "PHOTO05.DTD">',
              "<!ENTITY", "<![CDATA[", "]]>", "<!--", "-->", "&amp;", "&#x", 'encoding="UTF-16"']
    tokens += [f"<{name}>" for name in sorted(names)] + [f"</{name}>" for name in sorted(names)]
    lines = ["# Element names of the photo XML file and INDEX_C.XML, and the XML that holds them."]
    lines += ['"' + escaped(token) + '"' for token in tokens]
    (FUZZ / "readers.dict").write_text("\n".join(lines) + "\n", encoding="utf-8")


dictionary()
