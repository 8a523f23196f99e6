// The state and country lists of the directory queries, and the queries they let out.
// What a click on a place sends to the reflector is the node click's (tests/directory).
#include "link/PlaceLists.h"

#include <QTest>

#include <set>
#include <string>

using Query = std::optional<QByteArray>;

class PlaceListsTest : public QObject {
    Q_OBJECT

private slots:
    void theListsHoldTheirNamesOnceEach()
    {
        QCOMPARE(stateNames().size(), size_t(51));
        QCOMPARE(countryNames().size(), size_t(239));
        QCOMPARE(std::string(stateNames().front()), std::string("Alabama"));
        QCOMPARE(std::string(stateNames().back()), std::string("WashingtonDC"));
        QCOMPARE(std::string(countryNames().front()), std::string("AFGHANISTAN"));
        QCOMPARE(std::string(countryNames().back()), std::string("ZIMBABWE"));
        const std::set<std::string> states(stateNames().begin(), stateNames().end());
        const std::set<std::string> countries(countryNames().begin(), countryNames().end());
        QCOMPARE(states.size(), size_t(51));
        QCOMPARE(countries.size(), size_t(239));
        for (const std::string& country : countries)
            QCOMPARE(QByteArray::fromStdString(country), QByteArray::fromStdString(country).toUpper());
    }

    void queries_data()
    {
        QTest::addColumn<bool>("country");
        QTest::addColumn<QByteArray>("topic");
        QTest::addColumn<QByteArray>("place");
        QTest::addColumn<Query>("query");
        const Query none;
        auto row = [](const char* name, bool country, QByteArray topic, QByteArray place, Query query) {
            QTest::newRow(name) << country << topic << place << query;
        };
        row("state", false, "Airports", "Texas", "Airports,Texas");
        row("state in lower case", false, "Airports", "texas", none);
        row("state with a trailing blank", false, "Airports", "Texas ", none);
        row("WashingtonDC", false, "Parks", "WashingtonDC", "Parks,WashingtonDC");
        row("Washington", false, "Parks", "Washington", "Parks,Washington");
        row("Washington DC with a blank", false, "Parks", "Washington DC", none);
        row("country in mixed case", true, "Airports", "France", "Airports,France");
        row("country in lower case is sent as it stands", true, "Airports", "france", "Airports,france");
        row("country with a trailing blank", true, "Airports", "France ", none);
        row("accented letter is not its plain letter", true, "Zoo", "C\xf4te d'Ivoire", none);
        row("apostrophe entry", true, "Zoo", "Cote d'Ivoire", "Zoo,Cote d'Ivoire");
        row("Malawi is not MALAW", true, "Zoo", "Malawi", none);
        row("MALAW", true, "Zoo", "Malaw", "Zoo,Malaw");
        row("Christmas Island is not CHRISTMAS", true, "Zoo", "Christmas Island", none);
        row("name with commas", true, "Travel", "Congo, The Democratic Republic of the",
            "Travel,Congo, The Democratic Republic of the");
        row("Georgia the state", false, "Travel", "Georgia", "Travel,Georgia");
        row("Georgia the country", true, "Travel", "Georgia", "Travel,Georgia");
        row("a state is no country", true, "Travel", "Texas", none);
        row("a country is no state", false, "Travel", "France", none);
        row("empty topic", true, "", "Japan", ",Japan");
        row("empty place", true, "Travel", "", none);
    }

    void queries()
    {
        QFETCH(bool, country);
        QFETCH(QByteArray, topic);
        QFETCH(QByteArray, place);
        QFETCH(Query, query);
        QCOMPARE(country ? placeQueryForCountry(topic, place) : placeQueryForState(topic, place), query);
    }
};

QTEST_MAIN(PlaceListsTest)
#include "test_placelists.moc"
