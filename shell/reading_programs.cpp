#include "shell/reading_programs.h"

#include "core/program_window.h"
#include "programs/fashion/frmFashionAstrologyMain.h"
#include "programs/financial/frmFinancialAstrologyMain.h"
#include "programs/flower/frmFlowerAstrologyMain.h"
#include "programs/food/frmFoodAstrologyMain.h"
#include "programs/fruit/frmFruitAstrologyMain.h"
#include "programs/gift/frmGiftAstrologyMain.h"
#include "programs/health/frmHealthAstrologyMain.h"
#include "programs/powersign/frmZodiacPowerSignMain.h"
#include "programs/travel/frmTravelAstrologyMain.h"


namespace {

template <typename Window>
ReadingProgramEntry Entry(const char16_t *name, const char16_t *window, QRgb colour, bool shown)
{
    return {QString::fromUtf16(name), QString::fromUtf16(window), QColor::fromRgb(colour), shown,
            [](ProgramHost &host) -> ProgramWindow * { return new Window(host); }};
}

} // namespace

const std::array<ReadingProgramEntry, kReadingProgramCount> &ReadingPrograms()
{
    static const std::array<ReadingProgramEntry, kReadingProgramCount> table{{
        Entry<frmFinancialAstrologyMain>(u"Financial Astrology", u"frmFinancialAstrologyMain", 0xFFFF00, false),
        Entry<frmFlowerAstrologyMain>(u"Flower Astrology", u"frmFlowerAstrologyMain", 0xFFFF80, true),
        Entry<frmFoodAstrologyMain>(u"Food Astrology", u"frmFoodAstrologyMain", 0x00FF00, true),
        Entry<frmFruitAstrologyMain>(u"Fruit Astrology", u"frmFruitAstrologyMain", 0xFF0000, true),
        Entry<frmHealthAstrologyMain>(u"Health Astrology", u"frmHealthAstrologyMain", 0x00FFFF, false),
        Entry<frmZodiacPowerSignMain>(u"Zodiac Power Sign", u"frmZodiacPowerSignMain", 0xFF8000, false),
        Entry<frmFashionAstrologyMain>(u"Fashion Astrology", u"frmFashionAstrologyMain", 0xFF8000, true),
        Entry<frmGiftAstrologyMain>(u"Gift Astrology", u"frmGiftAstrologyMain", 0x00FFFF, true),
        Entry<frmTravelAstrologyMain>(u"Travel Astrology", u"frmTravelAstrologyMain", 0xFF00FF, true),
    }};
    return table;
}

const ReadingProgramEntry &ReadingProgramAt(int index)
{
    return ReadingPrograms()[static_cast<std::size_t>(index)];
}

const std::array<ReadingProgram, 6> &SelectorOrder()
{
    static constexpr std::array<ReadingProgram, 6> order{
        ReadingProgram::Fashion, ReadingProgram::Food,   ReadingProgram::Travel,
        ReadingProgram::Gift,    ReadingProgram::Flower, ReadingProgram::Fruit};
    return order;
}
