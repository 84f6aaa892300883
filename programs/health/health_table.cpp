// SPDX-License-Identifier: GPL-3.0-or-later
#include "programs/health/health_reading.h"

namespace {

// The three ways each fitness characteristic is put, exactly as shown, the
// most of it first.
using Phrasings = std::array<const char *, 3>;

constexpr Phrasings kAthletic{"Highly Athletic", "Moderately Athletic", "Low Athletic Ability"};
constexpr Phrasings kMotivation{"Highly Motivated", "Moderately Motivated", "Zero Motivation"};
constexpr Phrasings kEndurance{"High Endurance", "Medium Endurance", "Low Endurance"};
constexpr Phrasings kFlexibility{"High Flexibility", "Medium Flexibility", "Low Flexibility"};
constexpr Phrasings kRoutine{"Belief Routine", "Moderate Routine", "No Routine"};
constexpr Phrasings kTeamWork{"Good Team-Work", "Moderate Team-Work", "Zero Team-Work"};
constexpr Phrasings kFocus{"High Focus", "Good Focus", "Zero Focus"};
constexpr Phrasings kVariety{"Needs variety", "Moderate Variety", "No Belief in Variety"}; // a small v first

} // namespace

// One row a sign, in zodiac order: what it rules in the body, the phrasing each
// of its eight fitness characteristics takes (in the order of Fitness:
// athletic, motivation, endurance, flexibility, routine, team-work, focus,
// variety), its constitution type, then the sign and fitness, what the sign
// rules and what its natives suffer from, the recommended foods (most naming
// the sign's cell salt), and the diet to avoid and the diet advice, one or two
// sentences each. Plain ASCII, so they survive any 8-bit code page; each long
// text is one paragraph without line breaks.
const SignTable<HealthSignRow> kHealthSignTable{{
    // Aries
    {"Head, Face",
     {kAthletic[0], kMotivation[0], kEndurance[2], kFlexibility[1],
      kRoutine[2], kTeamWork[2], kFocus[2], kVariety[0]},
     Constitution::Fire,
     "Aries, the first sign, is ruled by fiery Mars, and its natives come into the world "
     "ready to race. Ram folk are highly athletic and bursting with motivation, so they "
     "rarely need coaxing to get moving. Their weak points are stamina and concentration: "
     "they sprint brilliantly but tire quickly, and their focus wanders the moment a workout "
     "turns dull. A fixed routine feels like a cage to them. What suits Aries best is "
     "variety, like short bursts of boxing, squash, sprinting or a quick game of tag, with "
     "something new to try each week.",
     "Aries rules the head and face. Its natives are prone to headaches, migraines, sinus "
     "trouble and fevers, and their rush through life brings bumps, cuts and bruises to their "
     "brow.",
     "The cell salt of Aries is Kali Phos, potassium phosphate, which lore says feeds the "
     "nerves and brain. Good sources are tomatoes, beans, lettuce, celery, walnuts, "
     "cauliflower, brown rice and lentils. Fresh fish and leafy greens help to keep that "
     "Martian head cool and clear.",
     "Avoid hot curries and strong coffee.",
     "Eat at regular times and sit down to do it, rather than snacking on the run. Calm meals "
     "give the restless Ram the steady fuel it needs to keep going."},
    // Taurus
    {"Throat, Neck",
     {kAthletic[2], kMotivation[1], kEndurance[0], kFlexibility[2],
      kRoutine[0], kTeamWork[1], kFocus[0], kVariety[2]},
     Constitution::Earth,
     "Taurus is an earth sign ruled by gentle Venus, and its natives love comfort more than a "
     "struggle. Bulls are not natural athletes, and speed or agility rarely come easily, yet "
     "they have enormous endurance and a patient focus that lets them keep going long after "
     "others have stopped. They thrive on routine: the same walk at the same hour, the same "
     "swim on the same day of the week. Steady, rhythmic exercise such as hiking, gardening, "
     "rowing, dancing or weight training suits them far better than a frantic sport, and "
     "keeps that famous sweet tooth in check.",
     "Taurus rules the throat and neck, including the thyroid gland, the vocal cords and the "
     "tonsils. Bulls are prone to sore throats, tonsillitis, laryngitis, chest colds, and a "
     "stiff neck after long hours of sitting still. The thyroid may be sluggish, which can "
     "slow the metabolism, and their love of rich food makes weight gain a lifelong "
     "companion. Tradition also links the sign with ear infections and swollen glands, so "
     "they should wrap up warmly and rest their voice whenever it feels husky.",
     "The cell salt of Taurus is Nat Sulph, sodium sulphate, which is said to regulate the "
     "body's water balance. Foods supplying it include cabbage, cauliflower, onions, spinach, "
     "beets, cucumbers, radishes and pumpkin. Light soups, fresh fruit, whole grains and "
     "herbal teas soothe the throat and keep the hearty Bull light.",
     "Limit sweets, heavy sauces and overly salty snacks.",
     "Eat slowly, savour each bite and always stop before feeling too full."},
    // Gemini
    {"Lungs, Arms, Hands",
     {kAthletic[1], kMotivation[2], kEndurance[2], kFlexibility[0],
      kRoutine[2], kTeamWork[0], kFocus[2], kVariety[0]},
     Constitution::Air,
     "Gemini is an airy sign ruled by quick Mercury, and its natives live mostly inside their "
     "heads. Twins are moderately athletic and wonderfully supple, but their endurance is low "
     "and their motivation is close to zero when an exercise bores them. They need variety "
     "above all: a different class every day, a new sport each season, a long walk with a "
     "chatty friend. Yoga, tennis, badminton, table tennis and dance keep both body and busy "
     "mind engaged long enough to do them real good.",
     "Gemini rules the lungs, the arms and the hands, together with the shoulders and the "
     "nervous system. Its natives are prone to coughs, bronchitis, asthma and other breathing "
     "troubles, and to aches or strains in the shoulders, wrists and fingers. Restless nerves "
     "bring anxiety, insomnia and nervous exhaustion, especially when the Twins juggle far "
     "too many projects at once.",
     "The cell salt of Gemini is Kali Mur, potassium chloride, which tradition says keeps the "
     "blood flowing freely and the lungs clear. It is found in asparagus, green beans, "
     "broccoli, carrots, celery, spinach, sweet corn, oranges, peaches, plums and pineapple. "
     "Geminis also benefit from foods that calm the nerves, like oats, almonds, bananas and "
     "yogurt, and from a little fresh fish every week. Plenty of water and herbal tea between "
     "meals will keep the clever Twins bright and well.",
     "Cut down on coffee, fizzy drinks and sugary snacks, which only make jumpy Gemini nerves "
     "jumpier.",
     "Avoid eating while talking, reading or working. Chew well and give each meal your full, "
     "undivided attention."},
    // Cancer
    {"Breast, Chest, Stomach",
     {kAthletic[2], kMotivation[1], kEndurance[2], kFlexibility[1],
      kRoutine[0], kTeamWork[0], kFocus[0], kVariety[1]},
     Constitution::Water,
     "Cancer is a water sign ruled by the ever-changing Moon, and its natives are the "
     "homemakers of the zodiac. Crabs are seldom natural athletes and have only medium "
     "flexibility, but they show remarkable focus once they settle into something they enjoy. "
     "They like a familiar routine and feel safest exercising with people they trust, so team "
     "sports, family bike rides and group classes bring out the best in them. Swimming is "
     "ideal, for water soothes their moods, and gentle walks along the shore or by a lake "
     "restore them after an emotional week.",
     "Cancer rules the breast, the chest and the stomach. Its natives have sensitive "
     "digestions that react to every passing worry, so they suffer from indigestion, "
     "heartburn, gastritis, nausea and bloating, and they may also retain water.",
     "The cell salt of Cancer is Calc Fluor, calcium fluoride, which lore says keeps the "
     "tissues elastic and the teeth and bones strong. Good sources include milk, yogurt, "
     "cheese, egg yolks, rye bread, almonds, watercress, kale, cabbage and oranges. White "
     "fish, rice, pumpkin and steamed vegetables are kind to the delicate Crab stomach, and "
     "warm broths and milky puddings soothe it on a gloomy day.",
     "Stay away from fried and greasy food, and do not eat when feeling upset or sad.",
     "Eat modest meals in calm, friendly company. A peaceful table does more for the Crab "
     "than any medicine can."},
    // Leo
    {"Heart, Spine",
     {kAthletic[0], kMotivation[0], kEndurance[0], kFlexibility[2],
      kRoutine[1], kTeamWork[1], kFocus[0], kVariety[1]},
     Constitution::Fire,
     "Leo is a fire sign ruled by the radiant Sun, and its natives love to shine in every "
     "arena. Lions are highly athletic and blessed with high endurance, strong focus and a "
     "motivation that rarely flags, especially when there is an audience. They enjoy a "
     "challenge and always play to win, so competitive sports, long-distance running, tennis, "
     "martial arts and dancing all suit them well. Just remember to warm up properly, because "
     "a proud Lion hates to admit that it has overdone things.",
     "Leo rules the heart and spine, along with the upper back and the circulation. Its "
     "natives may suffer from palpitations, high blood pressure, poor circulation and back "
     "pains, and tradition warns that their generous hearts are strained by stress, pride and "
     "overwork. Good posture, resting often and letting others carry some of the load will "
     "protect them.",
     "The cell salt of Leo is Mag Phos, magnesium phosphate, which is said to relax the "
     "muscles and steady the heartbeat. It is found in whole wheat, oats, rye, barley, "
     "almonds, walnuts, figs, apples, lemons, lettuce, asparagus and coconut. Sunny fruits "
     "such as oranges, peaches, apricots, mangoes and plums suit the sign, and oily fish, "
     "olive oil and plenty of fresh vegetables help keep the royal heart strong and steady.",
     "Go easy on rich meat, butter, cream and heavy, fatty desserts.",
     "Enjoy food with style, but with moderation. Choose quality over quantity, and keep "
     "grand feasts for real celebrations."},
    // Virgo
    {"Intestines, Pancreas",
     {kAthletic[2], kMotivation[0], kEndurance[1], kFlexibility[0],
      kRoutine[0], kTeamWork[0], kFocus[1], kVariety[0]},
     Constitution::Earth,
     "Virgo is an earth sign ruled by clever Mercury, and its natives pay attention to every "
     "detail of their health. They are not natural athletes, but they have medium endurance, "
     "excellent flexibility and good focus, and they love a well-planned routine that they "
     "can follow to the letter. A written schedule, a trusty step counter and a tidy gym bag "
     "make them happy. Yoga, pilates, stretching, walking and cycling suit them well, and "
     "working in the garden gives them both exercise and a quiet sense of order that soothes "
     "their worried minds.",
     "Virgo rules the intestines and the pancreas, and with them the business of digestion. "
     "Its natives are prone to irritable bowels, colic, constipation, food intolerances and "
     "allergies, and problems with blood sugar. Worry goes straight to the stomach, so "
     "nervous tension is often the real culprit.",
     "The cell salt of Virgo is Kali Sulph, potassium sulphate, which lore says carries "
     "oxygen to the cells and keeps the skin fresh. Foods rich in it include endives, "
     "chicory, lettuce, oats, wheat germ, almonds, cheese, carrots, lean meat and leafy "
     "greens. Virgos thrive on simple, wholesome meals: brown rice, steamed vegetables, live "
     "yogurt, fresh seasonal fruit and plenty of fibre. Herbal teas such as chamomile and "
     "peppermint settle the stomach after a busy day.",
     "Avoid processed food, very spicy dishes and too much sugar, which upset a sensitive "
     "gut. Try not to fuss over every calorie either, for worry is worse.",
     "Eat at the same hours each day and chew slowly. A relaxed meal is the best tonic for "
     "the Virgin."},
    // Libra
    {"Loins, Kidneys",
     {kAthletic[1], kMotivation[1], kEndurance[2], kFlexibility[1],
      kRoutine[1], kTeamWork[0], kFocus[2], kVariety[1]},
     Constitution::Air,
     "Libra is an air sign ruled by lovely Venus, and its natives seek balance and harmony in "
     "everything, including exercise. They are moderately athletic, with rather low "
     "endurance, and they are far more eager when someone else is involved, because team-work "
     "and good company bring them to life. Doubles tennis, ballroom dancing, volleyball and "
     "partner yoga are ideal, as are graceful activities such as ballet, skating or tai chi. "
     "Libras do best when their workouts are pleasant and sociable rather than gruelling, and "
     "a pretty setting helps.",
     "Libra rules the loins and the kidneys, together with the lower back and the skin. Its "
     "natives are prone to kidney stones, bladder infections and lower back pain, and an "
     "imbalance in the body's fluids can show up as puffiness or skin blemishes. Tradition "
     "says that Librans fall ill when their lives lose their balance, so quarrels, indecision "
     "and too many late nights take a heavy toll. Headaches may follow kidney trouble, and a "
     "sweet tooth can upset blood sugar.",
     "The cell salt of Libra is Nat Phos, sodium phosphate, which is said to keep the balance "
     "between acids and alkalis in the body. Foods that supply it include apples, pears, "
     "peaches, strawberries, raisins, spinach, asparagus, carrots, tomatoes, beets, brown "
     "rice, wheat, almonds and corn. Libras should drink lots of pure water to flush the "
     "kidneys, and enjoy fresh salads, light fish dishes and herbal teas. Cranberry juice is "
     "a traditional friend of the kidneys and makes a pretty drink too.",
     "Cut down on salt, sugar, alcohol and fizzy drinks, which tire the kidneys. Refined "
     "white bread and rich desserts also tip the Scales the wrong way.",
     "Keep each meal balanced, with a little of everything and too much of nothing. Set a "
     "pretty table, for Libra eats with the eyes first."},
    // Scorpio
    {"Reproductive Organs",
     {kAthletic[1], kMotivation[0], kEndurance[0], kFlexibility[2],
      kRoutine[1], kTeamWork[1], kFocus[0], kVariety[2]},
     Constitution::Water,
     "Scorpio is a water sign ruled by Mars and Pluto, and its natives approach exercise with "
     "fierce intensity. They are moderately athletic but have high endurance, deep focus and "
     "a powerful motivation that carries them through pain and fatigue. Once they set a goal "
     "they pursue it to the end. Swimming, diving, martial arts, weight training and solitary "
     "runs suit their private, determined nature. They should balance all that intensity with "
     "rest and gentle stretching, so their drive renews them instead of wearing them out.",
     "Scorpio rules the reproductive organs, along with the bladder and the organs of "
     "elimination. Its natives are prone to infections of the urinary tract, hormonal "
     "imbalances, period troubles and haemorrhoids. Bottled-up emotions may turn into "
     "illness, so they must let feelings out.",
     "The cell salt of Scorpio is Calc Sulph, calcium sulphate, which tradition says purifies "
     "the blood and helps the body heal and renew itself. It is found in onions, garlic, "
     "leeks, watercress, cauliflower, kale, radishes, asparagus, figs, prunes, black cherries "
     "and coconut. Scorpios also benefit from fresh fish, seafood, nuts and seeds, and from "
     "plenty of water to keep the system clean. Bitter greens such as rocket and dandelion "
     "cleanse the body, and a cup of nettle tea is a fine old Scorpio tonic.",
     "Keep away from excess alcohol, fatty red meat and salty or smoked food.",
     "Eat lightly and regularly, and never let a gloomy mood decide what you eat."},
    // Sagittarius
    {"Thighs",
     {kAthletic[0], kMotivation[0], kEndurance[2], kFlexibility[0],
      kRoutine[2], kTeamWork[2], kFocus[2], kVariety[0]},
     Constitution::Fire,
     "Sagittarius is a fire sign ruled by jovial Jupiter, and its natives love freedom, fresh "
     "air and open spaces. Archers are highly athletic and very flexible, but their endurance "
     "is low and a routine bores them stiff. They need variety and adventure: riding, hiking, "
     "skiing, archery, trail running, a new sport each holiday. Anything that takes them "
     "outdoors and gives them a goal to aim at will keep them fit and cheerful.",
     "Sagittarius rules the thighs, together with the hips, the liver and the sciatic nerve. "
     "Its natives are prone to sciatica, hip trouble, strained muscles in the thighs and "
     "injuries from reckless sports, especially falls from horses. Their jovial appetites can "
     "overload the liver, leading to weight gain around the hips and a sluggish digestion. "
     "Because Archers are always on the move, they ignore small aches until they become "
     "bigger ones, so a little caution goes a long way.",
     "The cell salt of Sagittarius is Silica, which lore says strengthens the hair, the "
     "nails, the skin and the connective tissues. Good sources include oats, barley, brown "
     "rice, whole grains, fruit and vegetable skins, figs, strawberries, apples, asparagus, "
     "onions, cucumbers, green peppers and beets. Archers also need lots of fresh fruit to "
     "cleanse the liver and enough protein to repair their busy muscles. Beetroot juice and "
     "lemon water are traditional friends of the sign.",
     "Avoid overeating at big feasts, and go easy on rich, fatty food, alcohol and sweet "
     "puddings, which overtax the liver. Too much red meat and too many late night snacks "
     "also slow the Archer.",
     "Enjoy variety on your plate, but keep portions modest and eat without hurry."},
    // Capricorn
    {"Knees",
     {kAthletic[1], kMotivation[0], kEndurance[0], kFlexibility[1],
      kRoutine[1], kTeamWork[1], kFocus[0], kVariety[2]},
     Constitution::Earth,
     "Capricorn is an earth sign ruled by serious Saturn, and its natives treat fitness as "
     "another mountain to climb. Goats are moderately athletic, yet their high endurance, "
     "strong focus and tireless motivation let them outlast many more gifted rivals. They set "
     "long-term goals and work toward them with patience and discipline, one step at a time. "
     "Climbing, hiking, running, rowing and weight training suit them well. Their main danger "
     "is taking exercise too seriously, so they should remember to stretch, rest their joints "
     "and sometimes play just for fun.",
     "Capricorn rules the knees, along with the bones, joints, teeth and skin. Its natives "
     "are prone to stiff or injured knees, arthritis, rheumatism and brittle bones, as well "
     "as dry skin and toothache. Cold, damp weather and gloomy moods make things worse.",
     "The cell salt of Capricorn is Calc Phos, calcium phosphate, which is said to build "
     "strong bones and teeth. It is found in milk, cheese, yogurt, eggs, oats, barley, "
     "almonds, sesame seeds, broccoli, cabbage, spinach, figs and plums. Oily fish and plenty "
     "of leafy greens help keep the Goat strong and sure-footed.",
     "Cut back on salt, coffee and very acidic foods.",
     "Make time for proper meals however busy work gets. Warm, nourishing dishes keep a "
     "hard-working Goat cheerful and strong."},
    // Aquarius
    {"Ankles, Blood",
     {kAthletic[0], kMotivation[1], kEndurance[0], kFlexibility[2],
      kRoutine[2], kTeamWork[0], kFocus[0], kVariety[0]},
     Constitution::Air,
     "Aquarius is an air sign ruled by Saturn and inventive Uranus, and its natives approach "
     "fitness in their own original way. Water Bearers are highly athletic with high "
     "endurance, but their flexibility is low, so regular stretching is essential. They love "
     "good team-work and thrive in clubs, groups and community events, but they also need "
     "constant variety, new gadgets and fresh ideas to stay keen. Team sports, cycling, "
     "skating, climbing walls and the latest fitness craze all appeal, especially when they "
     "train alongside friends.",
     "Aquarius rules the ankles and the blood, along with the calves and the circulation. Its "
     "natives are prone to sprained or swollen ankles, cramps in the calves, varicose veins, "
     "poor circulation and cold hands and feet. Their nerves run on high voltage, so sudden "
     "tension brings odd aches and spasms. Warm socks and regular walks work wonders.",
     "The cell salt of Aquarius is Nat Mur, sodium chloride, which tradition says governs the "
     "distribution of water in the body. It is found in celery, cabbage, spinach, lettuce, "
     "radishes, carrots, tomatoes, asparagus, lentils, almonds, apples, lemons, oranges and "
     "fish, so there is no need for more table salt. Aquarians also benefit from foods that "
     "support the circulation, such as oily fish, garlic, ginger, beetroot and berries. "
     "Plenty of water, fresh fruit and crisp salads keep the Water Bearer light, bright and "
     "full of ideas.",
     "Avoid too much salt, processed food and strong coffee.",
     "Try new foods freely, but eat at regular times to steady your nerves."},
    // Pisces
    {"Feet",
     {kAthletic[2], kMotivation[1], kEndurance[2], kFlexibility[0],
      kRoutine[2], kTeamWork[0], kFocus[2], kVariety[0]},
     Constitution::Water,
     "Pisces is a water sign ruled by Jupiter and dreamy Neptune, and its natives drift "
     "through life like fish in a stream. They have little natural athletic ability and low "
     "endurance, and their focus slips away easily, yet their flexibility is high. They enjoy "
     "moving with others, so swimming, dance, yoga and aqua aerobics in a friendly group suit "
     "them best.",
     "Pisces rules the feet, along with the lymphatic system. Its natives are prone to sore "
     "or swollen feet, bunions, chilblains and fungal infections, and they tend to retain "
     "fluid. Their sensitive nature absorbs every mood about them, so they tire easily, catch "
     "cold and need plenty of sleep to regain strength.",
     "The cell salt of Pisces is Ferrum Phos, iron phosphate, which lore says carries oxygen "
     "through the blood. Good sources of it include spinach, lettuce, lentils, beans, "
     "beetroot, apricots, raisins, dates, oats and lean meat. Fresh fish, of course, is a "
     "natural favourite of the sign.",
     "Avoid alcohol, excess salt and very rich, heavy meals.",
     "Eat small, regular meals and drink plenty of water to keep the Fish swimming along."},
}};

// One row a constitution type, Fire, Earth, Air, Water: what the element
// governs in the body, then for an excess and for a lack of it a description
// and the lists exactly as given to the reader, spellings included.
const std::array<ConstitutionRow, kConstitutionCount> kConstitutionTable{{
    // Fire
    {"Fire",
     "Fire governs the vital heat of the body: the metabolism, the digestion, the body "
     "temperature and the spark of energy that gets us out of bed in the morning. It rules "
     "enthusiasm, courage, ambition and the will to act. A person with a good share of Fire "
     "has a warm body, a strong appetite, fast reactions and the drive to recover quickly "
     "from illness.",
     "Too much Fire burns the candle at both ends. It brings on fevers, inflammation, rashes, "
     "acidic stomachs, high blood pressure and burnout, together with a quick temper.",
     "Grains and root vegetables like beet, carrot and potatoes",
     "Gravy and spicy food and red meat",
     "Chamomile, lemon balm, skull cap and valerian.",
     "With too little Fire the body runs cold and slow. There is poor circulation, a weak "
     "appetite, sluggish digestion and a lack of get-up-and-go. Such people feel the chill, "
     "tire easily and lose heart too quickly. Warming spices, sunshine and lively exercise "
     "help stoke the inner fire.",
     "Lemon, yoghurt, bitter green food items like kale and mustard.",
     "Milk, cheese, yoghurt, butter and other diary products and meat",
     "Digestive stimulants like cayenne, mustard, cloves, cinnamon, garlic and ginger."},
    // Earth
    {"Earth",
     "Earth governs the solid structure of the body: the bones, the muscles, the teeth, the "
     "skin and the steady working of the organs. It also rules stamina, patience and "
     "practical common sense, and it gives a strong and sturdy frame that stands up well to "
     "hard work and long days.",
     "Too much Earth makes the body heavy and slow. There is a tendency to put on weight, to "
     "retain water, to suffer from constipation and stiff joints, and to become stuck in "
     "unhealthy old habits. Regular brisk movement, lighter meals and a little spontaneity "
     "help to loosen things up.",
     "Fruit- salads, sprouts, steamed vegetables with spices added, juices, soups and teas.",
     "Heavy and spicy food items.",
     "Bitter tonics such as gentian or Swedish bitters, hot spices such as ginger, black pepper and cayenne.",
     "With too little Earth the body lacks grounding and stamina. There may be weak bones, "
     "poor muscle tone, a restless mind and erratic eating habits. Regular meals, root "
     "vegetables and time in nature help to build up strength.",
     "Meat, potatoes, unrefined grains, root crops, dairy, steamed vegetables, cheese, butter, sugar and oil.",
     "Fruits.",
     "Demulcents such as licorice and slippery elm, seaweed and minerals, Ginseng, astragals, ahashwaganda."},
    // Air
    {"Air",
     "Air governs the breath, the nervous system and the flow of thoughts and messages "
     "through the body. It rules curiosity, communication and a lively, alert mind, and it "
     "gives a light, nimble body that is always ready to move.",
     "Too much Air leaves a person scattered and overexcited. The nerves are frayed, sleep is "
     "restless and the mind cannot switch off. There may be breathing troubles, dizziness, "
     "twitches and nervous indigestion. Quiet time and deep, slow breaths bring calm.",
     "Steamed vegetable, nuts and croutons.",
     "Raw foods, grains, yeasty foods and refined sugar.",
     "Enzymes that enables proper absorption of food items and nutrients.",
     "With too little Air the breathing is shallow, the mind feels dull and heavy and ideas "
     "come slowly. Fresh air, brisk walks, good conversations and a new hobby all help to "
     "lift the spirits.",
     "Ample amount of raw fruits, fresh vegetable, garlic, ginger and vegetable juices.",
     "Nothing to Avoid",
     "Dandelion root and/or angostura bitters."},
    // Water
    {"Water",
     "Water governs the fluids of the body: the blood, the lymph, the tears, the digestive "
     "juices and the hormones that ebb and flow like the tides. It rules feelings, intuition, "
     "imagination and sympathy, and gives a sensitive body that responds quickly to the moods "
     "and surroundings of its owner.",
     "Too much Water makes a person oversensitive and prone to moods. The body tends to "
     "retain fluid, with puffiness, swollen ankles, catarrh and frequent chills, and feelings "
     "can swamp the digestion. Such people absorb the troubles of others too readily. Good "
     "boundaries, gentle exercise and a little less salt all help.",
     "Steamed vegetable, beans of all kind and fruits.",
     "Spicy and oily foods, diary products, yeasty food, breads and salt.",
     "Sage, basil and thyme, juniper berries, chaparral, garlic and olive leaf.",
     "With too little Water the body becomes dry and tense. The skin and hair are dry, the "
     "joints creak, the digestion lacks juice and the person may find it hard to express "
     "feelings or to relax. Even sympathy for others may feel forced. Plenty of water, juicy "
     "fruits, warm baths and time near the sea or a river gently restore the flow.",
     "Wheat, rice, oats, seaweed, dairy products and natural sugars.",
     "All kinds of root vegetables.",
     "Sweetened honey and fruit juices."},
}};
