// SPDX-License-Identifier: GPL-3.0-or-later
#include "programs/travel/travel_reading.h"

// One row a sign, Aries through Pisces: its short items exactly as stored
// (doubled ampersands included; the trip kinds joined by "\n"), the famous
// people born under the sign, the strengths and the weaknesses (both addressed
// to the reader) and a portrait of the sign as a traveler. Plain ASCII, so they
// survive any 8-bit code page.
const SignTable<TravelRow> kTravelTable{{
    // Aries
    {"Mars", "9", "Red", "Tuesday", "Leo && Sagittarius", "Diamond",
     "Adventure Trips\nSafari Trips",
     "Charlie Chaplin, Vincent van Gogh, Maya Angelou, Marlon Brando, Hans Christian Andersen",
     "You are bold, energetic and refreshingly direct, the kind of person who sees a closed "
     "door and simply knocks until it opens. Courage comes naturally to you, and you rarely "
     "wait for permission before you begin something new. Your enthusiasm is contagious: when "
     "you walk into a room with a plan, people start rolling up their sleeves without quite "
     "knowing why. You are honest to the point of bluntness, which means friends know where "
     "they stand with you. You love a challenge, you bounce back from setbacks faster than "
     "most, and you have a generous, almost childlike delight in life that keeps you young at "
     "heart. As a natural pioneer, you are happiest leading the charge, and you are loyal to "
     "those who follow you into the fray.",
     "You are, let us say, not famous for your patience. If the kettle takes too long, you "
     "have already left for a coffee shop. Your temper flares quickly and fades just as fast, "
     "which is lovely for you but occasionally bewildering for the people left standing in the "
     "smoke. You start ten projects with tremendous gusto and finish perhaps three, leaving a "
     "trail of half-built bookcases behind you. You can be a little bossy, a touch impulsive "
     "and, now and then, convinced that the fastest route is also the best one. Listening to "
     "instructions is not your forte, and reading the manual? That is for other signs.",
     "The Arian is an avid traveler, always ready to throw a few things in a bag and head off "
     "at short notice. Aries travelers crave action rather than quiet contemplation, so a week "
     "on a beach is more likely to bore them than relax them. They prefer destinations where "
     "they can climb, hike, raft or race, and they like to be first in the group to try the "
     "local daredevil activity. Planning is not their favorite part of the trip; they would "
     "rather improvise, trusting that something exciting waits around the next corner."},
    // Taurus
    {"Venus", "6", "Green", "Friday", "Capricorn && Virgo", "Emerald",
     "Cultural Trips\nStylish and Happening Spots",
     "Audrey Hepburn, Karl Marx, Sigmund Freud, George Clooney, Ella Fitzgerald",
     "You are steady, patient and wonderfully reliable, the rock your friends lean on when the "
     "ground starts to wobble. Once you commit to something, you see it through with a quiet "
     "determination that few can match. You have a deep appreciation of beauty and comfort, "
     "from a well-cooked meal to a soft blanket to a garden in full bloom, and you know how to "
     "make any house feel warm and welcoming. You are practical with money and sensible about "
     "plans, yet there is a sensual, pleasure-loving side to you that enjoys the finer things "
     "in life. Loyal to the core, you stand by the people you love through thick and thin, and "
     "never forget a favor. Your calm presence soothes others, and your common sense often "
     "saves the day when everyone else has lost their heads.",
     "You are stubborn, and that is the understatement of the century. Once you dig in your "
     "heels, a team of horses could never move you. You dislike change so much that "
     "rearranging furniture counts as a major life event. Your love of comfort can tip into "
     "indulgence, especially where dessert is involved, and you may grumble when your routine "
     "is disturbed. Possessive? Only a little, and only about everything.",
     "The Taurus loves to go out on a long tour, provided it is comfortable, well organized "
     "and full of good food. Taureans are not the type to rough it in a leaky tent; they want "
     "a soft bed, a hot shower and a fine restaurant nearby. They enjoy slow travel, taking "
     "their time to savor a landscape, a vineyard or a charming market town rather than "
     "rushing from one sight to the next. Spa resorts, countryside cottages and gourmet food "
     "tours suit them perfectly, and they often return to a favorite place year after year."},
    // Gemini
    {"Mercury", "5", "Yellow", "Wednesday", "Aquarius && Libra", "Agate",
     "Cultural Trips\nTrendy and Unknown Locations",
     "Marilyn Monroe, John F. Kennedy, Judy Garland, Ralph Waldo Emerson, "
     "Federico Garcia Lorca",
     "You are quick-witted, curious and endlessly entertaining, a bright spark who can chat "
     "with anyone about almost anything. Your mind moves at lightning speed, hopping from idea "
     "to idea and making connections that others miss. You are adaptable and versatile, able "
     "to juggle many tasks at once and still find time for a joke. People love your sense of "
     "humor and your talent for storytelling, and you are often the one who keeps a party "
     "alive well past midnight. You learn fast, read widely and collect facts the way others "
     "collect stamps. Youthful and playful at any age, you bring fresh energy to every group "
     "you join. Your gift for words makes you a natural communicator, whether you are writing, "
     "teaching, selling or simply cheering up a friend.",
     "You are easily bored, and when boredom strikes, you tend to wander off, sometimes in the "
     "middle of a sentence. Your restless mind can make you seem scattered or unreliable, "
     "especially when you have promised to be in three places at the same time. You change "
     "your opinions as often as your socks, and you may argue both sides of a debate just for "
     "the fun of it. A little gossip now and then is hard for you to resist. Some people find "
     "you superficial, though really you are just in a hurry to get to the next interesting "
     "thing.",
     "The one thing that all Gemini singularly love is variety, and their travel plans reflect "
     "it. A Gemini would rather visit five cities in ten days than spend two weeks in a single "
     "resort. They are drawn to lively, bustling places full of conversation: big cities, busy "
     "markets, festivals and cafes where they can watch the world go by. They love to chat "
     "with locals, pick up a few phrases of the language and come home with a notebook full of "
     "anecdotes. Short trips and weekend breaks suit them well, since they grow restless if "
     "they stay put too long. A Gemini itinerary always includes a bookshop, a museum and at "
     "least one spontaneous detour."},
    // Cancer
    {"The Moon", "2", "Silver", "Monday", "Pisces && Scorpio", "Pearl",
     "Patriotic Trips\nBoating Trips",
     "Princess Diana, Frida Kahlo, Helen Keller, Nikola Tesla, Harrison Ford",
     "You are caring, intuitive and deeply loyal, with a heart as wide as the tides your "
     "ruling Moon pulls across the sea. Family and home mean everything to you, and you have a "
     "rare gift for making people feel safe, fed and looked after. You remember birthdays, "
     "favorite dishes and the small worries your friends mentioned weeks or even months ago. "
     "Your intuition is remarkable; you often sense what someone is feeling before they say a "
     "word. Though you may seem shy at first, behind that protective shell lies a tender, "
     "imaginative soul with a wonderful sense of humor. You are tenacious when it comes to "
     "protecting those you love, and you will fight fiercely for them if you have to. You "
     "cherish traditions, keep old photographs and love a good story about the past. In a "
     "crisis, you are the one who quietly puts the kettle on and makes everything feel a "
     "little better.",
     "You are moody, and your feelings can change as quickly as the phases of the Moon. One "
     "moment you are laughing, the next you have retreated into your shell and locked the door "
     "behind you. You take criticism very personally and may sulk for days over a careless "
     "remark that everyone else has long forgotten. Your protective instincts sometimes tip "
     "into clinginess or smothering, and you may worry about your loved ones far more than "
     "they would like. You also find it hard to let go of the past, including old grudges, old "
     "letters and that sweater you have worn since school.",
     "Armchair travel - well, that is how some Cancerians would describe their ideal trip, "
     "since they are never happier than when they are at home. When they set out, they like to "
     "take a little of home with them: familiar snacks, a favorite pillow and plenty of family "
     "photos. They prefer to travel with loved ones and often choose destinations with a "
     "personal meaning, such as the village where their grandparents grew up. Seaside holidays "
     "appeal to them greatly, and a cozy cottage by the water is their idea of paradise."},
    // Leo
    {"The Sun", "8 && 9", "Gold", "Sunday", "Aries && Sagittarius", "Ruby",
     "Luxurious Trips\nStylish and Happening Spots",
     "Napoleon Bonaparte, Barack Obama, Madonna, Mick Jagger, Neil Armstrong, Whitney Houston",
     "You are warm, generous and magnetic, a natural star who lights up any room simply by "
     "walking into it. Ruled by the Sun, you radiate confidence and optimism, and people are "
     "drawn to your glow like moths to a summer lantern. You have a big heart and an even "
     "bigger sense of fun, and you love to make others happy with lavish gifts, grand gestures "
     "and heartfelt compliments. You are a born leader, not because you crave power, but "
     "because you genuinely believe in the people around you and want them to shine as well. "
     "Loyal and protective, you will defend your friends with all the courage of a lion. You "
     "have a flair for drama and for creativity, whether you are acting, painting, designing "
     "or simply telling a story at dinner. Your enthusiasm is infectious, your laughter is "
     "loud and your sense of style is unmistakable. You are dignified in difficult times and "
     "gracious in success. Above all, you have a remarkable ability to turn an ordinary day "
     "into a celebration, and the world is brighter for it.",
     "You are, it must be said, rather fond of attention, and you may sulk if the spotlight "
     "drifts toward someone else for more than a minute. Your pride is enormous, which makes "
     "it truly hard for you to admit that you were wrong, even when the evidence is piled up "
     "in front of you like a mountain. You can be bossy and a bit domineering, especially when "
     "you have decided that you know best, which, to be fair, is most of the time. Flattery "
     "works on you far too easily, and you may spend money with a royal disregard for your "
     "bank balance. When you feel ignored or unappreciated, you can turn dramatic in a way "
     "that would impress a Shakespearean actor.",
     "Leos love to get a royal treatment wherever they go, and they see no reason why a trip "
     "should be any different. They prefer grand hotels, first-class seats and restaurants "
     "where the waiters know their names by the second evening. They enjoy glamorous cities "
     "and lively nightlife, and they never leave home without an outfit for every occasion.\n\n"
     "For Leos, traveling should be easy and pleasant, with every detail arranged in advance "
     "by someone else. They love to be photographed in front of stunning views, and they come "
     "home with stories that grow grander each time."},
    // Virgo
    {"Mercury", "3 && 5", "Blue", "Wednesday", "Capricorn && Taurus", "Sapphire",
     "Cultural Trips\nEcological Tours",
     "Michael Jackson, Mother Teresa, Freddie Mercury, Agatha Christie, Roald Dahl",
     "You are practical, modest and wonderfully thorough, with an eye for detail that misses "
     "absolutely nothing. You love to be useful, and you quietly solve problems that others "
     "have not even noticed yet. Your sharp, analytical mind helps you sort the important from "
     "the trivial, and your advice is always sensible and well considered. You are hardworking "
     "and dependable, and you take genuine pride in a job done properly. Kind and thoughtful, "
     "you show your love through small, helpful acts rather than grand speeches.",
     "You are a perfectionist, and nothing is ever quite good enough, least of all your work. "
     "You may fuss over crooked picture frames, correct other people's grammar and worry about "
     "problems that will never happen. Your critical streak can sting, even when you mean "
     "well. Learning to relax is, for you, a project that needs a checklist.",
     "Virgo is very methodical as a zodiac sign, and this shows in the way its natives travel. "
     "A Virgo begins planning months in advance, comparing prices, studying reviews and "
     "drawing up a detailed itinerary that covers every hour of the day. They pack neatly, "
     "with labeled pouches for everything from medicines to chargers, and they bring a spare "
     "of whatever might go missing. Clean accommodation matters greatly to them, as does a "
     "punctual train. They enjoy educational trips, walking tours, museums and health retreats "
     "where they can learn something useful. Once everything runs to plan, Virgos relax and "
     "enjoy themselves, quietly pleased that their careful preparation has paid off."},
    // Libra
    {"Venus", "6 && 9", "Blue", "Friday", "Aquarius && Gemini", "Opal",
     "Beach Vacations\nShopping Trips",
     "Mahatma Gandhi, John Lennon, Oscar Wilde, Serena Williams, Eleanor Roosevelt",
     "You are charming, gracious and fair-minded, a born diplomat who can calm a quarrel with "
     "a smile and a few well-chosen words. Harmony matters deeply to you, and you have a rare "
     "talent for seeing every side of a question. Ruled by Venus, you have a fine eye for "
     "beauty and style, and your home, your clothes and your manners all reflect your elegant "
     "taste. You are sociable and easygoing, and you make friends wherever you go. People "
     "trust your sense of justice, and they often come to you when they need a balanced "
     "opinion. You are a romantic at heart and love to share your life with a partner. Your "
     "gentle humor, good manners and genuine interest in others make you one of the most "
     "pleasant companions in the zodiac.",
     "You are famously indecisive, and choosing between two desserts can take you most of the "
     "evening. You hate conflict so much that you may agree to things you do not really want, "
     "purely to keep the peace. You can be a little vain and rather too fond of other people's "
     "approval. And when a decision simply must be made, you often ask everyone else what they "
     "think first.",
     "The one thing, which a Libra male or female looks for in a journey, is balance: a bit of "
     "culture, a bit of relaxation and a lot of beauty. Librans are drawn to elegant "
     "destinations like Paris, Florence or Vienna, where art, architecture and fine dining all "
     "come together. They rarely like to travel alone, since sharing a lovely view with a "
     "partner or a good friend makes it twice as enjoyable. A Libra will happily spend a whole "
     "afternoon in a gallery, followed by a leisurely dinner in a candlelit restaurant. They "
     "appreciate stylish hotels with tasteful decor and attentive service, and an ugly room "
     "can spoil their mood for the entire trip. Choosing where to go can take them ages, but "
     "once they arrive, they are gracious guests who charm hosts and fellow travelers alike, "
     "and they often make lasting friends along the way."},
    // Scorpio
    {"Pluto and Mars", "2 && 4", "Burgundy and Black", "Tuesday", "Cancer && Pisces", "Topaz",
     "Adventure Trips\nExotic Vacations\nEcological Tours",
     "Pablo Picasso, Marie Curie, Julia Roberts, Theodore Roosevelt, Joni Mitchell",
     "You are passionate, determined and fiercely loyal, with an inner strength that carries "
     "you through storms that would sink most people. Your intuition is razor-sharp, and you "
     "can read a person like an open book, often spotting the truth long before anyone else. "
     "You never do anything by halves; when you commit to a goal, a friend or a cause, you "
     "give it everything you have. You are resourceful and brave, and you have a remarkable "
     "ability to reinvent yourself after hard times. Beneath your cool, mysterious exterior "
     "lies a deeply caring heart. You keep secrets faithfully, and those friends who earn your "
     "trust have a protector for life. Your magnetic presence is hard to ignore and harder to "
     "forget.",
     "You are secretive, and getting a straight answer out of you can feel like cracking a "
     "bank safe. You have a long memory for slights, and a person who crosses you may discover "
     "that you never quite forget. Jealousy can creep in whenever you feel insecure, and you "
     "may test the people you love in ways that leave them puzzled. Your intensity is "
     "wonderful in small doses but can be exhausting at breakfast. You also have a tendency to "
     "brood, staring darkly into your coffee as if it had personally offended you.",
     "Scorpios do travel, but they want their journeys to mean something. They are fascinated "
     "by mystery and history, so ancient ruins, underground caves, haunted castles and "
     "forgotten temples all rank high on their wish list. They prefer to explore a destination "
     "in depth rather than skim the surface, and they will happily spend a week in one city "
     "uncovering its secrets. Privacy matters to them, so they often choose secluded hotels or "
     "remote retreats away from the crowds. Many Scorpios also adore the sea, and diving among "
     "coral reefs suits their taste for hidden worlds."},
    // Sagittarius
    {"Jupiter", "5 && 7", "Purple", "Thursday", "Aries && Leo", "Turquoise",
     "Mountain Adventure Trips\nDeep Sea Fishing\nCross Country Backpack Trips",
     "Walt Disney, Taylor Swift, Jimi Hendrix, Winston Churchill, Jane Austen, Frank Sinatra, "
     "Louisa May Alcott",
     "You are optimistic, adventurous and wonderfully free-spirited, always looking toward the "
     "next horizon with a wide grin on your face. Your enthusiasm for life is boundless, and "
     "you have a knack for finding the bright side of even the gloomiest situation. You are "
     "honest, open-minded and endlessly curious about the world, its people and its big ideas. "
     "Philosophy, travel and learning all fascinate you, and you are happiest when you are "
     "exploring something new. Your sense of humor is legendary; you can turn a missed train "
     "into a hilarious anecdote before the next one arrives. You are generous with your time "
     "and your laughter, and you treat strangers as friends you have not yet met. Independence "
     "matters greatly to you, and you respect the freedom of others just as much as your own. "
     "Wherever you go, you bring a breath of fresh air and a sense that anything is possible.",
     "You are tactless at times, and your famous honesty can land like a pie in the face. You "
     "make promises with genuine enthusiasm and forget them with equal ease. Routine bores you "
     "to tears, and commitment can make you rather nervous. You may also be careless with "
     "details, money and car keys, all of which have a habit of vanishing whenever you are in "
     "a hurry to be somewhere else.",
     "Sagittarians are born to travel, and of all the signs of the zodiac they are the truest "
     "globetrotters. Ruled by expansive Jupiter, they long to see every continent, and their "
     "passports are usually crowded with stamps. They love long-haul journeys, backpacking "
     "adventures and road trips with no fixed end point. Foreign cultures, languages and "
     "philosophies fascinate them, and they often return from a trip with a new hobby, a new "
     "friend or a whole new way of looking at life. They are happy to sleep in a hostel, a "
     "hammock or a mountain hut, as long as the morning view is worth it. Outdoor activities "
     "such as horseback riding, trekking and sailing appeal to them strongly. A Sagittarian is "
     "rarely home for long before starting to plan the next big adventure."},
    // Capricorn
    {"Saturn", "8 && 2", "Brown", "Saturday", "Taurus && Virgo", "Garnet",
     "Educational Trips\nLuxurious Trips\nPopular Tourist Locations",
     "Isaac Newton, Martin Luther King Jr., Elvis Presley, Louis Pasteur, David Bowie, "
     "Stephen Hawking, Diane Keaton",
     "You are ambitious, disciplined and quietly determined, the kind of person who climbs a "
     "mountain one careful step at a time and gets to the top. You are responsible and "
     "dependable, and people trust you to keep your word, because you always do. Patience is "
     "one of your great strengths; you are willing to work hard today for a reward that might "
     "come years from now. Your practical wisdom makes you an excellent planner, manager and "
     "advisor. Beneath your serious exterior lies a dry, witty sense of humor that catches "
     "people by surprise. You are loyal to family and friends, and you take care of them in "
     "solid, down-to-earth ways. As the years go by, you seem to grow younger and more "
     "relaxed, relishing the fruits of all your efforts.",
     "You are a workaholic, and you may need reminding that weekends were invented for "
     "resting. You can be pessimistic, always preparing for the worst even on a sunny day. "
     "Your reserved manner sometimes comes across as cold, and you may find it hard to show "
     "your emotions, even to the people closest to you. You are a little too fond of status "
     "symbols and titles, and you may judge others by their achievements. When things do not "
     "go according to plan, you can become rigid and grouchy, like a mountain goat who has "
     "found a fence across its favorite path.",
     "Capricorns love to travel in style. They appreciate quality and tradition, so they tend "
     "to book well-established hotels with a solid reputation and a touch of old-world "
     "elegance. Business trips are often part of their lives, and many Capricorns neatly "
     "combine work and pleasure, adding a few days of sightseeing to the end of a conference. "
     "They enjoy historic cities, grand monuments and mountain resorts, where they can hike a "
     "steep trail or simply admire a majestic peak. A Capricorn plans carefully and sticks "
     "firmly to the budget, but will gladly pay extra for comfort, punctuality and a truly "
     "excellent meal."},
    // Aquarius
    {"Uranus and Saturn", "1 && 7", "Violet", "Wednesday", "Taurus && Virgo", "Amethyst",
     "Ecological Trips\nSporting Trips",
     "Wolfgang Amadeus Mozart, Abraham Lincoln, Charles Darwin, Virginia Woolf, Jules Verne",
     "You are original, independent and refreshingly unconventional, a free thinker who sees "
     "the world not as it is, but as it could be. Your mind is inventive and forward-looking, "
     "and you are often years ahead of your time. You care deeply about fairness and about "
     "humanity, and you are always ready to stand up for a good cause or an underdog. You are "
     "friendly and open to all kinds of people, and your circle of friends is usually "
     "wonderfully diverse. Your quirky sense of humor and your love of the unexpected make you "
     "delightful company. You respect other people's freedom and never try to squeeze anyone "
     "into a neat little box. Science, technology and bold new ideas excite you, and you enjoy "
     "solving puzzles in ways that nobody else would ever think of.",
     "You are stubborn in your own peculiar way, and once you have decided that an idea is "
     "right, no amount of evidence will budge you. You can seem oddly detached and aloof, more "
     "interested in humanity as a whole than in the person sitting across the table. Emotional "
     "conversations make you uneasy, and you may escape into theories just when someone needs "
     "a big hug. Your love of being different can tip into contrariness for its own sake, so "
     "if everyone else wears blue, you will certainly arrive in orange. You also tend to be "
     "unpredictable, changing plans on a whim and forgetting to tell anyone, which keeps your "
     "friends guessing, and occasionally waiting.",
     "Aquarians are always up on their feet and ready for a trip, as long as it is a little "
     "out of the ordinary. They avoid the usual tourist trails and prefer unusual "
     "destinations, eco-lodges, science museums and places where they can see something truly "
     "unique, such as the northern lights or a rocket launch. Many Aquarians enjoy group "
     "travel with like-minded people, volunteering abroad or joining a festival where new "
     "ideas are in the air. They travel light, embrace every new gadget and love to use the "
     "latest apps to find their way. A spontaneous change of plan never troubles them; in "
     "fact, it often makes the whole trip."},
    // Pisces
    {"Neptune and Jupiter", "2 && 6", "Sea green", "Friday", "Taurus && Virgo", "Aquamarine",
     "Mountain trips\nWater Sports",
     "Albert Einstein, Michelangelo, Alexander Graham Bell, Gabriel Garcia Marquez, "
     "Michael Caine",
     "You are compassionate, imaginative and gentle, with a soul that seems to understand the "
     "sorrows and joys of everyone around you. Your empathy is extraordinary, and people often "
     "confide in you within minutes of meeting you. You are creative and artistic, drawn to "
     "music, poetry, dance and film, and you have a wonderful talent for expressing feelings "
     "that others cannot put into words. Your intuition borders on the psychic, and your "
     "dreams are often strikingly vivid and meaningful. You are kind and selfless, always "
     "willing to help a friend in need. Romantic and idealistic, you see beauty in the most "
     "ordinary things, and your gentle presence brings comfort to everyone you meet.",
     "You are a dreamer, and sometimes you dream so hard that you forget to pay the "
     "electricity bill. You can be indecisive and easily swayed, drifting along with whatever "
     "current happens to be flowing. Hard truths make you want to hide under a duvet, and you "
     "may escape into fantasy when reality gets tough. You are also prone to playing the "
     "martyr, sighing very softly while insisting that everything is perfectly fine.",
     "Pisceans being dreamers by nature, they look for journeys that feel like stepping into a "
     "fairy tale. Water draws them irresistibly, so cruises, island retreats, lakeside "
     "villages and quiet beaches top their list. They adore places with a spiritual or "
     "artistic atmosphere, such as monasteries, old theaters and painters' towns. A Piscean "
     "traveler wanders without a map and often gets lost, yet somehow always finds the magic."},
}};
