#include "tools/RestrictedTopicChoices.h"

const QList<QByteArray>& restrictedTopicChoices()
{
    static const QList<QByteArray> choices{
        "Animals", "Beaches", "Cruise Ships", "Mountains", "Airports", "Art", "Drawing", "Pen and Ink",
        "Pencil", "Painting", "Acrylic", "Oil", "Watercolor", "Photography", "Black and WhiteTop",
        "Color", "Films", "Action", "Comedy", "Drama", "Home Movies", "Horror", "Sci-Fi", "Sculpture",
        "Aquariums", "Colleges", "Education", "Classes", "Demos", "Lectures", "Documentaries",
        "Entertainment", "Plays", "Concerts", "Movies", "Night Clubs", "Television", "TrailerVision",
        "Fun Places", "Food", "Cooking", "Restaurants", "Gardens", "Highways", "Museums", "Music",
        "Music Videos", "Recitals", "Solo Audition", "Group Audition", "Just for Fun", "Mysterious",
        "UFO", "Sacred Sites", "Ghosts", "Loch Ness", "News", "Personals", "Politics",
        "Democratic Party", "Independent Party", "Libertarian Party", "Republican Party", "Religion",
        "Eastern Religions", "Western Religions", "Mid Eastern Religions", "Science", "Archeology",
        "Astronomy", "Biology", "Genetics", "Chemistry", "Oceanography", "Nasa", "Physical Science",
        "Physics", "Medicine", "Schools", "Sports", "Football", "Baseball", "Basketball", "Hockey",
        "Soccer", "Stadiums", "Tennis", "Volleyball", "Surfing", "Boating", "Skiing", "Bowling",
        "Golf", "Technology", "TechTVTop", "Travel", "Weather", "Zoo", "Office", "Parks",
    };
    return choices;
}

bool isRestrictedTopic(const QByteArray& nodeText, const QList<QByteArray>& restrictedTopics)
{
    return restrictedTopics.contains(nodeText);
}
