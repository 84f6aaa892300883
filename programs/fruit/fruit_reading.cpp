#include "programs/fruit/fruit_reading.h"

#include "core/pictures.h"
#include "programs/fruit/fruit_texts.h"

#include <array>

namespace {

constexpr std::array<const char *, kFruitCount> kFruitNames{
    "Apple", "Banana", "Black Grapes", "Cherry", "Coconut", "Custard Apple",
    "Mango", "Orange", "Paneapple", "Papaya", "Peach", "Pear"};

constexpr std::array<const char *, kFruitCount> kFruitFiles{
    "01-apple", "02-banana", "03-black-grapes", "04-cherry", "05-coconut", "06-custard-apple",
    "07-mango", "08-orange", "09-pineapple", "10-papaya", "11-peach", "12-pear"};

ImageList Pictures(const char *folder)
{
    QStringList resources;
    for (const char *file : kFruitFiles)
        resources.append(QStringLiteral(":/fruits/") + QLatin1String(folder) + QLatin1Char('/')
                         + QLatin1String(file) + QStringLiteral(".svg"));
    return ImageList(resources);
}

} // namespace

FruitEntry FruitTable(int index)
{
    if (index < 0 || index >= kFruitCount)
        return {};
    return {QString::fromLatin1(kFruitNames[std::size_t(index)]),
            QString::fromLatin1(kFruitInterpretations[index])};
}

const ImageList &FruitSmallPictures()
{
    static const ImageList pictures = Pictures("small");
    return pictures;
}

const ImageList &FruitBigPictures()
{
    static const ImageList pictures = Pictures("large");
    return pictures;
}
