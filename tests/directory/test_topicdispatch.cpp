// The queries a click on a node of the topic tree sends: (full path, node text) to
// the exact query texts, in order.
#include "directory/TopicDispatch.h"

#include <QTest>

using Queries = QList<QByteArray>;

class TopicDispatchTest : public QObject {
    Q_OBJECT

private slots:
    void clicks_data()
    {
        QTest::addColumn<QByteArray>("path");
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<Queries>("queries");
        auto row = [](const char* name, QByteArray path, QByteArray text, Queries queries) {
            QTest::newRow(name) << path << text << queries;
        };
        row("TechTV", "Internet\\Technology\\TechTV", "TechTV", {"Technology,TechTV"});
        row("International under Animals", "Internet\\Animals\\International", "International",
            {"Animals,International"});
        row("USA under Weather", "Internet\\Weather\\USA", "USA", {"Weather,USA"});
        row("International under a topic without a row", "Internet\\Sports\\International", "International", {});
        row("International under Personals is politics", "Internet\\Personals\\International", "International",
            {"Politics,International"});
        row("USA under Personals", "Internet\\Personals\\USA", "USA", {});
        row("France under Travel's countries", "Internet\\Travel\\Countries\\France", "France", {"Travel,France"});
        row("Florida under Travel's USA", "Internet\\Travel\\USA\\Florida", "Florida", {"Travel,Florida"});
        row("Georgia under Countries goes twice", "Internet\\Travel\\Countries\\Georgia", "Georgia",
            {"Travel,Georgia", "Travel,Georgia"});
        row("Georgia under USA goes once", "Internet\\Travel\\USA\\Georgia", "Georgia", {"Travel,Georgia"});
        row("USA under Countries", "Internet\\Travel\\Countries\\USA", "USA", {});
        row("a country in lower case is sent as it stands", "Internet\\Zoo\\Countries\\france", "france",
            {"Zoo,france"});
        row("a state in lower case", "Internet\\Zoo\\USA\\florida", "florida", {});
        row("Malawi", "Internet\\Parks\\Countries\\Malawi", "Malawi", {});
        row("MALAW", "Internet\\Parks\\Countries\\MALAW", "MALAW", {"Parks,MALAW"});
        row("a country with commas", "Internet\\Schools\\Countries\\CONGO, THE DEMOCRATIC REPUBLIC OF THE",
            "CONGO, THE DEMOCRATIC REPUBLIC OF THE", {"Schools,CONGO, THE DEMOCRATIC REPUBLIC OF THE"});
        row("a geographic topic itself", "Internet\\Airports", "Airports", {});
        row("the Countries branch itself", "Internet\\Airports\\Countries", "Countries", {});
        row("a state straight under its topic", "Internet\\Office\\Texas", "Texas", {"Office,Texas"});
        row("a town below a country", "Internet\\Travel\\Countries\\France\\Paris", "Paris", {});
        row("a country below a country", "Internet\\Travel\\Countries\\Europe\\Japan", "Japan", {"Travel,Japan"});
        row("a country outside a geographic topic", "Internet\\Sports\\Countries\\France", "France", {});
        row("Golf anywhere", "Internet\\Travel\\Countries\\Golf", "Golf", {"Sports,Golf"});
        row("Golf at the top", "Internet\\Golf", "Golf", {"Sports,Golf"});
        row("techtv in lower case", "Internet\\Technology\\techtv", "techtv", {});
        row("a trailing blank", "Internet\\Technology\\TechTV ", "TechTV ", {});
        row("the last of a long row", "Internet\\Mysteries\\Loch Ness", "Loch Ness", {"Mysterious,Loch Ness"});
        row("Painting is art", "Internet\\Art\\Painting", "Painting", {"Art,Painting"});
        row("Oil is painting", "Internet\\Art\\Painting\\Oil", "Oil", {"Painting,Oil"});
        row("a category node under a geographic topic", "Internet\\Travel\\Museums", "Museums", {"Museums,Museums"});
        row("the root", "Internet", "Internet", {});
        row("an empty node", "Internet\\Travel\\", "", {});
        row("an empty path", "", "Texas", {});
    }

    void clicks()
    {
        QFETCH(QByteArray, path);
        QFETCH(QByteArray, text);
        QFETCH(Queries, queries);
        const std::vector<QByteArray> sent = topicQueriesFor(path, text);
        QCOMPARE(Queries(sent.begin(), sent.end()), queries);
    }

    void theTableHoldsElevenTopicsAndSeventyNineCategoryTests()
    {
        int topics = 0;
        int categoryTests = 0;
        for (const TopicDispatchRow& row : topicDispatchTable()) {
            if (row.kind == TopicDispatchRow::Kind::GeographicTopic)
                ++topics;
            else
                categoryTests += static_cast<int>(row.nodeTexts.size());
        }
        QCOMPARE(topics, 11);
        QCOMPARE(categoryTests, 79);
    }

    void pathPartsAreCutAtBackslashes()
    {
        const TopicPathParts parts = topicPathParts("Internet\\Travel\\Countries");
        QCOMPARE(parts.topic, QByteArray("Travel"));
        QCOMPARE(parts.part3, QByteArray("Countries"));
        QCOMPARE(parts.part4, QByteArray());
    }
};

QTEST_GUILESS_MAIN(TopicDispatchTest)
#include "test_topicdispatch.moc"
