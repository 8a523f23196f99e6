#include "directory/TopicDispatch.h"

#include "common/Lexmara.h"
#include "link/PlaceLists.h"

#include <optional>
#include <utility>

namespace {

using Kind = TopicDispatchRow::Kind;

TopicDispatchRow geographic(const char* topic)
{
    return {Kind::GeographicTopic, topic, {}, {}, {}};
}

TopicDispatchRow category(std::vector<QByteArray> nodeTexts, const char* categoryWord)
{
    return {Kind::Category, {}, std::move(nodeTexts), {}, categoryWord};
}

TopicDispatchRow under(const char* topic, std::vector<QByteArray> nodeTexts, const char* categoryWord)
{
    return {Kind::Category, {}, std::move(nodeTexts), topic, categoryWord};
}

std::vector<TopicDispatchRow> makeTable()
{
    return {
        geographic("Airports"),
        geographic("Aquariums"),
        category({"TechTV"}, "Technology,"),
        category({"Cruise Ships"}, "Cruise Ships,"),
        under("Animals", {"International", "USA"}, "Animals,"),
        under("Mountains", {"International", "USA"}, "Mountains,"),
        under("Beaches", {"International", "USA"}, "Beaches,"),
        category({"Museums"}, "Museums,"),
        geographic("Travel"),
        geographic("Zoo"),
        category({"Pen and Ink", "Pencil"}, "Drawing,"),
        category({"Painting"}, "Art,"),
        category({"Acrylic", "Oil", "Watercolor"}, "Painting,"),
        category({"Black and White", "Color"}, "Photography,"),
        category({"Action", "Comedy", "Drama", "Home Movies", "Horror", "Sci Fi"}, "Films,"),
        category({"Sculpture"}, "Art,"),
        geographic("Colleges"),
        geographic("Parks"),
        category({"Classes", "Demos", "Documentaries", "Lectures"}, "Education,"),
        category({"Fun Places", "Plays", "Concerts", "Movies", "Night Clubs", "TrailerVision", "Television"},
                 "Entertainment,"),
        category({"Cooking", "Restaurants"}, "Food,"),
        category({"Music Videos", "Recitals", "Solo Audition", "Group Audition", "Just for Fun"}, "Music,"),
        geographic("Gardens"),
        geographic("Highways"),
        under("News", {"International", "USA"}, "News,"),
        geographic("Office"),
        under("Weather", {"International", "USA"}, "Weather,"),
        geographic("Personals"),
        category({"Democratic Party", "Independent Party", "Republican Party", "Libertarian Party"}, "Politics,"),
        under("Personals", {"International"}, "Politics,"),
        category({"Eastern Religions", "Western Religions", "Mid Eastern Religions"}, "Religion,"),
        category({"Astronomy", "Biology", "Genetics", "Chemistry", "Nasa", "Physical Science", "Physics", "Medicine",
                  "Archeology", "Oceanography"},
                 "Science,"),
        geographic("Schools"),
        category({"Football", "Baseball", "Basketball", "Hockey", "Soccer", "Stadiums", "Tennis", "Volleyball",
                  "Skiing", "Bowling", "Golf"},
                 "Sports,"),
        category({"UFOs", "Sacred Sites", "Ghosts", "Loch Ness"}, "Mysterious,"),
    };
}

void appendIfAny(std::vector<QByteArray>& queries, std::optional<QByteArray> query)
{
    if (query)
        queries.push_back(std::move(*query));
}

} // namespace

const std::vector<TopicDispatchRow>& topicDispatchTable()
{
    static const std::vector<TopicDispatchRow> table = makeTable();
    return table;
}

TopicPathParts topicPathParts(const QByteArray& fullPath)
{
    return {gLexmara.GetDelimited(fullPath, 2, "\\"), gLexmara.GetDelimited(fullPath, 3, "\\"),
            gLexmara.GetDelimited(fullPath, 4, "\\")};
}

std::vector<QByteArray> topicQueriesFor(const QByteArray& fullPath, const QByteArray& text)
{
    const TopicPathParts path = topicPathParts(fullPath);
    QByteArray queryText = text;
    std::vector<QByteArray> queries;
    for (const TopicDispatchRow& row : topicDispatchTable()) {
        if (row.kind == Kind::GeographicTopic) {
            // Nodes that are no place fall through the lists and send nothing.
            if ((path.topic == row.topic && path.part3 == "Countries" && path.part4 != "USA") || text == row.topic)
                appendIfAny(queries, placeQueryForCountry(path.topic, queryText));
            if (path.topic == row.topic || (text == row.topic && path.part4 == "USA"))
                appendIfAny(queries, placeQueryForState(path.topic, queryText));
            continue;
        }
        for (const QByteArray& nodeText : row.nodeTexts) {
            if (text == nodeText && (row.under.isEmpty() || path.topic == row.under)) {
                queryText = row.categoryWord + queryText;
                queries.push_back(queryText);
            }
        }
    }
    return queries;
}
