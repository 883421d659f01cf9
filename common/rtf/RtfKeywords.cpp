// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/rtf/RtfKeywords.h"

#include <string_view>
#include <unordered_map>

namespace lynvar::rtf {
namespace {

using Table = std::unordered_map<std::u16string_view, KeywordInfo>;

Table makeTable()
{
    Table t;
    const auto add = [&t](std::u16string_view name, Keyword keyword) {
        t.emplace(name, KeywordInfo{keyword});
    };
    const auto character = [&t](std::u16string_view name, char16_t c) {
        t.emplace(name, KeywordInfo{Keyword::Character, c});
    };

    add(u"ansi", Keyword::Ansi);
    add(u"mac", Keyword::Mac);
    add(u"pc", Keyword::Pc);
    add(u"pca", Keyword::Pca);
    add(u"ansicpg", Keyword::AnsiCodePage);
    add(u"deff", Keyword::DefaultFont);

    add(u"fonttbl", Keyword::FontTable);
    add(u"colortbl", Keyword::ColourTable);
    // Groups whose content is not body text: document data, page furniture, pictures, objects,
    // field instructions (the field's result is read), and the tables we have no use for.
    for (std::u16string_view name :
         {u"stylesheet",   u"info",         u"header",    u"headerl",    u"headerr",
          u"headerf",      u"footer",       u"footerl",   u"footerr",    u"footerf",
          u"footnote",     u"annotation",   u"pict",      u"object",     u"objdata",
          u"fldinst",      u"filetbl",      u"revtbl",    u"listtable",  u"listoverridetable",
          u"rsidtbl",      u"generator",    u"xmlnstbl",  u"themedata",  u"colorschememapping",
          u"datastore",    u"latentstyles", u"pgdsctbl",  u"nonshppict", u"shp",
          u"shpinst",      u"shppict",      u"bkmkstart", u"bkmkend",    u"xe",
          u"tc",           u"txe",          u"pn",        u"ftnsep",     u"ftnsepc",
          u"aftnsep",      u"aftnsepc",     u"author",    u"operator",   u"title",
          u"subject",      u"keywords",     u"comment",   u"doccomm",    u"company",
          u"manager",      u"category",     u"creatim",   u"revtim",     u"printim",
          u"buptim",       u"atnid",        u"atnauthor", u"atndate",    u"atnref",
          u"atnicn",       u"atrfstart",    u"atrfend",   u"blipuid",    u"mmathPr",
          u"passwordhash", u"userprops",    u"docvar",    u"template",   u"hlinkbase",
          u"panose",       u"falt"})
        add(name, Keyword::SkippedDestination);

    add(u"f", Keyword::Font);
    add(u"fcharset", Keyword::FontCharset);
    add(u"cpg", Keyword::FontCodePage);
    add(u"red", Keyword::Red);
    add(u"green", Keyword::Green);
    add(u"blue", Keyword::Blue);

    add(u"uc", Keyword::UnicodeSkip);
    add(u"u", Keyword::Unicode);

    add(u"par", Keyword::Par);
    add(u"sect", Keyword::Section);
    add(u"line", Keyword::Line);
    add(u"tab", Keyword::Tab);
    add(u"cell", Keyword::Cell);
    add(u"nestcell", Keyword::Cell);
    add(u"row", Keyword::Row);
    add(u"nestrow", Keyword::Row);
    character(u"emdash", 0x2014);
    character(u"endash", 0x2013);
    character(u"bullet", 0x2022);
    character(u"lquote", 0x2018);
    character(u"rquote", 0x2019);
    character(u"ldblquote", 0x201C);
    character(u"rdblquote", 0x201D);
    character(u"emspace", 0x2003);
    character(u"enspace", 0x2002);
    character(u"qmspace", 0x2005);
    character(u"zwj", 0x200D);
    character(u"zwnj", 0x200C);
    character(u"ltrmark", 0x200E);
    character(u"rtlmark", 0x200F);

    add(u"pard", Keyword::ParagraphDefault);
    add(u"ql", Keyword::AlignLeft);
    add(u"qc", Keyword::AlignCentre);
    add(u"qr", Keyword::AlignRight);
    add(u"qj", Keyword::AlignJustify);
    add(u"li", Keyword::LeftIndent);
    add(u"lin", Keyword::LeftIndent);
    add(u"ri", Keyword::RightIndent);
    add(u"rin", Keyword::RightIndent);
    add(u"fi", Keyword::FirstIndent);
    add(u"sb", Keyword::SpaceBefore);
    add(u"sa", Keyword::SpaceAfter);

    add(u"plain", Keyword::Plain);
    add(u"b", Keyword::Bold);
    add(u"i", Keyword::Italic);
    // Every underline style is shown as a plain underline.
    for (std::u16string_view name :
         {u"ul", u"uld", u"uldash", u"uldashd", u"uldashdd", u"uldb", u"ulhwave", u"ulldash", u"ulth",
          u"ulthd", u"ulthdash", u"ulthdashd", u"ulthdashdd", u"ulthldash", u"ululdbwave", u"ulw", u"ulwave"})
        add(name, Keyword::Underline);
    add(u"ulnone", Keyword::UnderlineNone);
    add(u"strike", Keyword::Strike);
    add(u"striked", Keyword::Strike);
    add(u"fs", Keyword::FontSize);
    add(u"cf", Keyword::Foreground);
    add(u"highlight", Keyword::Background);
    add(u"cb", Keyword::Background);
    add(u"chcbpat", Keyword::Background);
    return t;
}

} // namespace

KeywordInfo lookupKeyword(QStringView name)
{
    static const Table table = makeTable();
    const auto it = table.find(std::u16string_view(name.utf16(), name.size()));
    return it == table.end() ? KeywordInfo{} : it->second;
}

} // namespace lynvar::rtf
