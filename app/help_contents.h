#pragma once

#include <vector>

#include <QString>

namespace tovan {

// One entry of a help file's table of contents: its title, the page it opens
// (relative to the help file's root; may be empty for a heading) and its subtopics.
struct HelpTopic {
  QString name;
  QString local;
  std::vector<HelpTopic> children;
};

// Reads a table of contents in sitemap form (.hhc): each <OBJECT type="text/sitemap">
// becomes an entry of the list it stands in, with its <param name="Name"> and
// <param name="Local"> values; a <UL> that follows an entry holds that entry's
// subtopics. Tags and attribute names are case-insensitive; attribute values may be
// quoted with " or ' or unquoted; &amp; &lt; &gt; &quot; &apos; and &#N; / &#xN; are
// decoded in values. Objects of other types are skipped, lists left open are closed
// at the end and closing tags without an opening are ignored. Any text gives a
// result; text without objects gives an empty list.
std::vector<HelpTopic> ParseHelpContents(const QString& sitemap);

}  // namespace tovan
