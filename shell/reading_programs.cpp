#include "shell/reading_programs.h"

#include "core/program_window.h"
#include "programs/fashion/frmFashionAstrologyMain.h"
#include "programs/financial/frmFinancialAstrologyMain.h"
#include "programs/flower/frmFlowerAstrologyMain.h"
#include "programs/food/frmFoodAstrologyMain.h"
#include "programs/fruit/frmFruitAstrologyMain.h"
#include "programs/gift/frmGiftAstrologyMain.h"
#include "programs/powersign/frmZodiacPowerSignMain.h"
#include "programs/travel/frmTravelAstrologyMain.h"

#include <QLabel>
#include <QVBoxLayout>

namespace {

// The input window of a program that is still on its way: the shared frame
// with a short note, so the selector works for every entry.
class PendingProgramWindow : public ProgramWindow
{
public:
    PendingProgramWindow(ProgramHost &host, const QString &name, const QString &windowName)
        : ProgramWindow(host, name, windowName, WindowRole::Input)
    {
        createMenuBar({}, UpdateCaption::CheckMnemonic);
        auto *note = new QLabel(name + QStringLiteral(" is coming in a later version of Starbox."));
        note->setAlignment(Qt::AlignCenter);
        note->setMinimumSize(420, 120);
        body()->addWidget(note);
    }
};

template <typename Window>
std::function<ProgramWindow *(ProgramHost &)> Opens()
{
    return [](ProgramHost &host) -> ProgramWindow * { return new Window(host); };
}

std::function<ProgramWindow *(ProgramHost &)> Pending(const QString &name, const QString &window)
{
    return [name, window](ProgramHost &host) -> ProgramWindow * {
        return new PendingProgramWindow(host, name, window);
    };
}

ReadingProgramEntry Entry(const char16_t *name, const char16_t *window, QRgb colour, bool shown)
{
    const QString n = QString::fromUtf16(name);
    const QString w = QString::fromUtf16(window);
    return {n, w, QColor::fromRgb(colour), shown, Pending(n, w)};
}

} // namespace

const std::array<ReadingProgramEntry, kReadingProgramCount> &ReadingPrograms()
{
    static const auto table = [] {
        std::array<ReadingProgramEntry, kReadingProgramCount> t{{
            Entry(u"Financial Astrology", u"frmFinancialAstrologyMain", 0xFFFF00, false),
            Entry(u"Flower Astrology", u"frmFlowerAstrologyMain", 0xFFFF80, true),
            Entry(u"Food Astrology", u"frmFoodAstrologyMain", 0x00FF00, true),
            Entry(u"Fruit Astrology", u"frmFruitAstrologyMain", 0xFF0000, true),
            Entry(u"Health Astrology", u"frmHealthAstrologyMain", 0x00FFFF, false),
            Entry(u"Zodiac Power Sign", u"frmZodiacPowerSignMain", 0xFF8000, false),
            Entry(u"Fashion Astrology", u"frmFashionAstrologyMain", 0xFF8000, true),
            Entry(u"Gift Astrology", u"frmGiftAstrologyMain", 0x00FFFF, true),
            Entry(u"Travel Astrology", u"frmTravelAstrologyMain", 0xFF00FF, true),
        }};
        t[static_cast<int>(ReadingProgram::Financial)].openInput = Opens<frmFinancialAstrologyMain>();
        t[static_cast<int>(ReadingProgram::Food)].openInput = Opens<frmFoodAstrologyMain>();
        t[static_cast<int>(ReadingProgram::Gift)].openInput = Opens<frmGiftAstrologyMain>();
        t[static_cast<int>(ReadingProgram::Fashion)].openInput = Opens<frmFashionAstrologyMain>();
        t[static_cast<int>(ReadingProgram::Travel)].openInput = Opens<frmTravelAstrologyMain>();
        t[static_cast<int>(ReadingProgram::Flower)].openInput = Opens<frmFlowerAstrologyMain>();
        t[static_cast<int>(ReadingProgram::Fruit)].openInput = Opens<frmFruitAstrologyMain>();
        t[static_cast<int>(ReadingProgram::ZodiacPowerSign)].openInput = Opens<frmZodiacPowerSignMain>();
        return t;
    }();
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
