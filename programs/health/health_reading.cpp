#include "programs/health/health_reading.h"

#include "programs/health/health_texts.h"

#include <array>

namespace {

struct HealthSignRow
{
    const char *sign;
    const char *bodyPart;
    const char *athletic;
    const char *endurance;
    const char *flexibility;
    const char *focus;
    const char *motivation;
    const char *routine;
    const char *teamWork;
    const char *variety; // "Needs variety" has a small v
    const char *constitutionType;
};

constexpr std::array<HealthSignRow, kSignCount> kHealthSignTable{{
    {"Aries", "Head, Face", "Highly Athletic", "Low Endurance", "Medium Flexibility", "Zero Focus",
     "Highly Motivated", "No Routine", "Zero Team-Work", "Needs variety", "Fire"},
    {"Taurus", "Throat, Neck", "Low Athletic Ability", "High Endurance", "Low Flexibility", "High Focus",
     "Moderately Motivated", "Belief Routine", "Moderate Team-Work", "No Belief in Variety", "Earth"},
    {"Gemini", "Lungs, Arms, Hands", "Moderately Athletic", "Low Endurance", "High Flexibility", "Zero Focus",
     "Zero Motivation", "No Routine", "Good Team-Work", "Needs variety", "Air"},
    {"Cancer", "Breast, Chest, Stomach", "Low Athletic Ability", "Low Endurance", "Medium Flexibility",
     "High Focus", "Moderately Motivated", "Belief Routine", "Good Team-Work", "Moderate Variety", "Water"},
    {"Leo", "Heart, Spine", "Highly Athletic", "High Endurance", "Low Flexibility", "High Focus",
     "Highly Motivated", "Moderate Routine", "Moderate Team-Work", "Moderate Variety", "Fire"},
    {"Virgo", "Intestines, Pancreas", "Low Athletic Ability", "Medium Endurance", "High Flexibility",
     "Good Focus", "Highly Motivated", "Belief Routine", "Good Team-Work", "Needs variety", "Earth"},
    {"Libra", "Loins, Kidneys", "Moderately Athletic", "Low Endurance", "Medium Flexibility", "Zero Focus",
     "Moderately Motivated", "Moderate Routine", "Good Team-Work", "Moderate Variety", "Air"},
    {"Scorpio", "Reproductive Organs", "Moderately Athletic", "High Endurance", "Low Flexibility",
     "High Focus", "Highly Motivated", "Moderate Routine", "Moderate Team-Work", "No Belief in Variety",
     "Water"},
    {"Sagittarius", "Thighs", "Highly Athletic", "Low Endurance", "High Flexibility", "Zero Focus",
     "Highly Motivated", "No Routine", "Zero Team-Work", "Needs variety", "Fire"},
    {"Capricorn", "Knees", "Moderately Athletic", "High Endurance", "Medium Flexibility", "High Focus",
     "Highly Motivated", "Moderate Routine", "Moderate Team-Work", "No Belief in Variety", "Earth"},
    {"Aquarius", "Ankles, Blood", "Highly Athletic", "High Endurance", "Low Flexibility", "High Focus",
     "Moderately Motivated", "No Routine", "Good Team-Work", "Needs variety", "Air"},
    {"Pisces", "Feet", "Low Athletic Ability", "Low Endurance", "High Flexibility", "Zero Focus",
     "Moderately Motivated", "No Routine", "Good Team-Work", "Needs variety", "Water"},
}};

struct ConstitutionRow
{
    const char *type;
    const char *excessItemsToTake;
    const char *excessItemsToAvoid;
    const char *excessRemedy;
    const char *lowItemsToTake;
    const char *lowItemsToAvoid;
    const char *lowRemedy;
};

// The lists exactly as given to the reader, spellings included.
constexpr std::array<ConstitutionRow, 4> kConstitutionTable{{
    {"Fire", "Grains and root vegetables like beet, carrot and potatoes", "Gravy and spicy food and red meat",
     "Chamomile, lemon balm, skull cap and valerian.",
     "Lemon, yoghurt, bitter green food items like kale and mustard.",
     "Milk, cheese, yoghurt, butter and other diary products and meat",
     "Digestive stimulants like cayenne, mustard, cloves, cinnamon, garlic and ginger."},
    {"Earth", "Fruit- salads, sprouts, steamed vegetables with spices added, juices, soups and teas.",
     "Heavy and spicy food items.",
     "Bitter tonics such as gentian or Swedish bitters, hot spices such as ginger, black pepper and cayenne.",
     "Meat, potatoes, unrefined grains, root crops, dairy, steamed vegetables, cheese, butter, sugar and oil.",
     "Fruits.",
     "Demulcents such as licorice and slippery elm, seaweed and minerals, Ginseng, astragals, ahashwaganda."},
    {"Air", "Steamed vegetable, nuts and croutons.", "Raw foods, grains, yeasty foods and refined sugar.",
     "Enzymes that enables proper absorption of food items and nutrients.",
     "Ample amount of raw fruits, fresh vegetable, garlic, ginger and vegetable juices.", "Nothing to Avoid",
     "Dandelion root and/or angostura bitters."},
    {"Water", "Steamed vegetable, beans of all kind and fruits.",
     "Spicy and oily foods, diary products, yeasty food, breads and salt.",
     "Sage, basil and thyme, juniper berries, chaparral, garlic and olive leaf.",
     "Wheat, rice, oats, seaweed, dairy products and natural sugars.", "All kinds of root vegetables.",
     "Sweetened honey and fruit juices."},
}};

QString Text(const char *text)
{
    return QString::fromLatin1(text);
}

} // namespace

HealthReading BuildHealthReading(SunSign sign)
{
    HealthReading reading;
    const QString name = SignName(sign);
    for (std::size_t i = 0; i < kHealthSignTable.size(); ++i) {
        const HealthSignRow &row = kHealthSignTable[i];
        if (Text(row.sign) != name)
            continue;
        const HealthSignTexts &texts = kHealthSignTexts[i];
        reading.sunSign = Text(row.sign);
        reading.bodyPart = Text(row.bodyPart);
        reading.athletic = Text(row.athletic);
        reading.endurance = Text(row.endurance);
        reading.flexibility = Text(row.flexibility);
        reading.focus = Text(row.focus);
        reading.motivation = Text(row.motivation);
        reading.routine = Text(row.routine);
        reading.teamWork = Text(row.teamWork);
        reading.variety = Text(row.variety);
        reading.sunSignDescription = Text(texts.sunSignDescription);
        reading.healthProblems = Text(texts.healthProblems);
        reading.requiredDiet = Text(texts.requiredDiet);
        reading.dietToAvoid = Text(texts.dietToAvoid);
        reading.dietAdvice = Text(texts.dietAdvice);
        reading.constitutionType = Text(row.constitutionType);
        break;
    }
    for (std::size_t i = 0; i < kConstitutionTable.size(); ++i) {
        const ConstitutionRow &row = kConstitutionTable[i];
        if (Text(row.type) != reading.constitutionType)
            continue;
        const ConstitutionTexts &texts = kConstitutionTexts[i];
        reading.constitutionDescription = Text(texts.constitutionDescription);
        reading.excessDescription = Text(texts.excessDescription);
        reading.excessItemsToTake = Text(row.excessItemsToTake);
        reading.excessItemsToAvoid = Text(row.excessItemsToAvoid);
        reading.excessRemedy = Text(row.excessRemedy);
        reading.lowDescription = Text(texts.lowDescription);
        reading.lowItemsToTake = Text(row.lowItemsToTake);
        reading.lowItemsToAvoid = Text(row.lowItemsToAvoid);
        reading.lowRemedy = Text(row.lowRemedy);
        break;
    }
    return reading;
}

std::optional<DetailsProblem> ValidateHealthDetails(const BirthDetails &details)
{
    const auto problem = [](const char16_t *message, DetailsField focus) {
        return DetailsProblem{QString::fromUtf16(message), MessageIcon::Information, focus};
    };
    if (details.name.isEmpty())
        return problem(u"Please Enter Your Name", DetailsField::Name);
    const int month = MonthIndex(details.month);
    if (month == 1 && (details.day == 30 || details.day == 31))
        return problem(u"Please Enter Correct Date of Birth!", DetailsField::Unchanged);
    if ((month == 3 || month == 5 || month == 8 || month == 10) && details.day == 31)
        return problem(u"Please Enter Correct Date of Birth !", DetailsField::Unchanged);
    if (!IsLeapYear(details.year) && month == 1 && details.day == 29)
        return problem(u"Please Enter Correct Date Or Month!", DetailsField::Unchanged);
    return std::nullopt;
}
