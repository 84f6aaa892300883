#include "programs/flower/flower_reading.h"

#include "core/pictures.h"
#include "programs/flower/flower_texts.h"

#include <array>

namespace {

struct FlowerItems
{
    const char *luckyFlower;
    const char *luckyPlants;
    int pictureIndex;
};

// Exactly as shown, spellings included.
constexpr std::array<FlowerItems, kSignCount> kFlowerSignTable{{
    {"Sweet Pea, Tiger Lilies, Daisies", "Onions, Hollyhock, Thorn-bearing Trees/Shrubs, Some Firs", 12},
    {"Poppy, Lilies", "cypress, Vine, Apple, Crab Apple, Pear, Fig, Citrus, Palms", 9},
    {"Lily of the Valley, Red Roses, Azalea", "Fern, Nut-Bearing trees, Hazel", 5},
    {"Larkspur, White Roses, White Lilies", "Cabbage, Cow Parsley", 4},
    {"Sunflower", "Palm, Bay, Laurel, Walnut, Olive, Citrus Trees", 11},
    {"Pansy, Blue Flowers", "Cherry, Nut Bearing Trees", 8},
    {"Rose, Red Tulips", "Plum, Ash, Poplar and Taurean Trees", 10},
    {"Chyrsanthemum, Gardenias, Lilies", "Honey-Suckle, Cactus, Yew, Blackthorn, Bushy Shrubs", 2},
    {"Narcissus, Carnations",
     "Blackberry, Thistle, Moss, Sage, Rush, Lime, Birch, Mulberry, Oak, Ash, Chestnut", 6},
    {"Carnation, Poinsettia", "Pine, Elm, Yew, Willow, Aspen, Poplar", 1},
    {"Orchid", "Kiwi, Fruit Trees, Elderberry, Olive, Alder", 7},
    {"Jonquil, Daffodils", "Willow, Fig, Trees growing near Water", 3},
}};

} // namespace

FlowerReading BuildFlowerReading(SunSign sign)
{
    const int index = SignIndex(sign);
    const FlowerItems &items = kFlowerSignTable[std::size_t(index)];
    const FlowerLongTexts &texts = kFlowerLongTexts[index];
    return FlowerReading{SignName(sign),
                         QString::fromLatin1(items.luckyFlower),
                         QString::fromLatin1(items.luckyPlants),
                         QString::fromLatin1(texts.flowerPlantDescription),
                         QString::fromLatin1(texts.positiveTraits),
                         QString::fromLatin1(texts.negativeTraits),
                         items.pictureIndex};
}

const ImageList &FlowerPictures()
{
    static const ImageList pictures({
        QStringLiteral(":/flowers/01-carnation.svg"),
        QStringLiteral(":/flowers/02-chrysanthemum.svg"),
        QStringLiteral(":/flowers/03-daffodil.svg"),
        QStringLiteral(":/flowers/04-larkspur.svg"),
        QStringLiteral(":/flowers/05-lily-of-the-valley.svg"),
        QStringLiteral(":/flowers/06-narcissus.svg"),
        QStringLiteral(":/flowers/07-orchid.svg"),
        QStringLiteral(":/flowers/08-pansy.svg"),
        QStringLiteral(":/flowers/09-poppy.svg"),
        QStringLiteral(":/flowers/10-red-tulips.svg"),
        QStringLiteral(":/flowers/11-sunflower.svg"),
        QStringLiteral(":/flowers/12-sweet-peas.svg"),
    }, {
        QStringLiteral("A red carnation"), QStringLiteral("An orange chrysanthemum"),
        QStringLiteral("A white daffodil"), QStringLiteral("A blue larkspur"),
        QStringLiteral("Lily of the valley"), QStringLiteral("A white narcissus"),
        QStringLiteral("An orchid"), QStringLiteral("A pansy"), QStringLiteral("A poppy"),
        QStringLiteral("Red tulips"), QStringLiteral("A sunflower"), QStringLiteral("Sweet peas"),
    });
    return pictures;
}
