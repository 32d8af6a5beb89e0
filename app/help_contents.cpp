#include "app/help_contents.h"

#include <QRegularExpression>

namespace tovan {

namespace {

struct Tag {
  bool closing;
  QString name;  // lower case
  QString attributes;
};

// The text of one entity, given what stands between "&" and ";"; the entity
// itself when it is not one of the known ones.
QString EntityText(const QString& body, const QString& entity) {
  bool ok = false;
  uint code = 0;
  if (body.startsWith("#x") || body.startsWith("#X")) code = body.mid(2).toUInt(&ok, 16);
  else if (body.startsWith('#')) code = body.mid(1).toUInt(&ok, 10);
  if (ok && code > 0 && code <= 0x10FFFF) {
    const char32_t character = code;
    return QString::fromUcs4(&character, 1);
  }
  if (body == "amp") return "&";
  if (body == "lt") return "<";
  if (body == "gt") return ">";
  if (body == "quot") return "\"";
  if (body == "apos") return "'";
  return entity;
}

QString DecodeEntities(const QString& text) {
  static const QRegularExpression entity("&(#[0-9]+|#[xX][0-9a-fA-F]+|[a-zA-Z]+);");
  QString decoded;
  qsizetype last = 0;
  for (auto it = entity.globalMatch(text); it.hasNext();) {
    const QRegularExpressionMatch match = it.next();
    decoded += text.mid(last, match.capturedStart() - last);
    decoded += EntityText(match.captured(1), match.captured(0));
    last = match.capturedEnd();
  }
  return decoded + text.mid(last);
}

// The value of attribute `wanted` (lower case), decoded; empty when absent.
QString Attribute(const QString& attributes, const QString& wanted) {
  static const QRegularExpression attribute(
      R"re(([A-Za-z_:][-A-Za-z0-9_:.]*)\s*=\s*(?:"([^"]*)"|'([^']*)'|([^\s"'>]+)))re");
  for (auto it = attribute.globalMatch(attributes); it.hasNext();) {
    const QRegularExpressionMatch match = it.next();
    if (match.captured(1).toLower() != wanted) continue;
    for (int group = 2; group <= 4; ++group)
      if (match.capturedStart(group) >= 0) return DecodeEntities(match.captured(group));
  }
  return {};
}

std::vector<Tag> Tags(const QString& text) {
  static const QRegularExpression tag(R"re(<\s*(/?)\s*([A-Za-z][A-Za-z0-9]*)([^>]*)>)re");
  std::vector<Tag> tags;
  for (auto it = tag.globalMatch(text); it.hasNext();) {
    const QRegularExpressionMatch match = it.next();
    tags.push_back({!match.captured(1).isEmpty(), match.captured(2).toLower(), match.captured(3)});
  }
  return tags;
}

// Builds the tree while walking the tags. Only the list on top of the stack ever
// grows, so the pointers below it stay valid.
class ContentsBuilder {
 public:
  explicit ContentsBuilder(std::vector<HelpTopic>* root) : lists{root} {}

  void Take(const Tag& tag) {
    if (tag.name == "ul") tag.closing ? CloseList() : OpenList();
    else if (tag.name == "object") tag.closing ? CloseObject() : OpenObject(tag);
    else if (tag.name == "param" && inSitemapObject) TakeParam(tag);
  }

 private:
  void OpenList() {
    std::vector<HelpTopic>* current = lists.back();
    lists.push_back(current->empty() ? current : &current->back().children);
  }

  void CloseList() {
    if (lists.size() > 1) lists.pop_back();
  }

  void OpenObject(const Tag& tag) {
    inSitemapObject = Attribute(tag.attributes, "type").toLower() == "text/sitemap";
    pending = HelpTopic{};
  }

  void TakeParam(const Tag& tag) {
    const QString name = Attribute(tag.attributes, "name").toLower();
    if (name == "name") pending.name = Attribute(tag.attributes, "value");
    if (name == "local") pending.local = Attribute(tag.attributes, "value");
  }

  void CloseObject() {
    if (inSitemapObject) lists.back()->push_back(std::move(pending));
    inSitemapObject = false;
  }

  std::vector<std::vector<HelpTopic>*> lists;
  bool inSitemapObject = false;
  HelpTopic pending;
};

}  // namespace

std::vector<HelpTopic> ParseHelpContents(const QString& sitemap) {
  std::vector<HelpTopic> topics;
  ContentsBuilder builder(&topics);
  for (const Tag& tag : Tags(sitemap)) builder.Take(tag);
  return topics;
}

}  // namespace tovan
