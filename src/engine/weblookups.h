#pragma once

#include <QString>

// Every address that the program sends out to the web or to the mail program, in one
// place. The lookups append their search text to these prefixes as it is, unencoded.
namespace sylvane::engine::weblookups {

// The services and the mycological website.
inline constexpr char16_t ImageSearchHost[] = u"http://images.google.fr";
inline constexpr char16_t WebSearchHost[] = u"https://www.google.fr";
inline constexpr char16_t MycoDatabaseHost[] = u"http://www.mycodb.fr";
inline constexpr char16_t WebsiteDomain[] = u"www.mycofrance.fr";

// Captions of the lookup buttons that name a source: the website, the initials of the
// bibliography's author.
inline constexpr char16_t WebsiteCaption[] = u"SMF";
inline constexpr char16_t BibliographyCaption[] = u"MB";

// The earlier build's lookup buttons: the database quick search and the website search
// carry the names of their sources; the bibliography button opens the keyword-search page
// of the mycological society's website, then the word picker under this caption.
inline constexpr char16_t DatabaseCaption[] = u"MycoDB";
inline constexpr char16_t SocietyKeywordSearchPage[] = u"rechercheParMotCle.php";
inline constexpr char16_t WordPickerCaption[] = u"Bibliographie SMF : choix du mot-clé";

// Where "Contacter l'auteur" writes to.
inline constexpr char16_t AuthorMail[] = u"equipe@sylvane.example.org";

// Image search: the prefix is followed by one blank and the search text.
QString imageSearchPrefix();
// Database quick search: followed by the search text.
QString databaseQuickSearchPrefix();
// National-inventory page of the database: followed by the search text and
// inventorySearchSuffix().
QString inventoryPrefix();
QString inventorySearchSuffix();
// Search of the website through the web search engine: followed by the search text and
// websiteSearchSuffix().
QString websiteSearchPrefix();
QString websiteSearchSuffix();
// Earlier build. Image search of a name: followed by imageSearchButtonSuffix().
QString imageSearchButtonSuffix();
// Web search: followed by the search text (pdfSearchSuffix() for documents in PDF).
QString webSearchPrefix();
QString pdfSearchSuffix();
// The description pages of a name on the website, through the web search engine.
QString websiteDescriptionSearch(const QString& name);
// The keyword-search page of the mycological society's website.
QString societyKeywordSearchAddress();

// The mail to the author, with its subject and body.
QString authorMailLink();

} // namespace sylvane::engine::weblookups
