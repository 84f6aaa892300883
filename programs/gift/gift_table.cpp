// SPDX-License-Identifier: GPL-3.0-or-later
#include "programs/gift/gift_reading.h"

// One row a sign, in zodiac order: the profile Gift and Fashion Astrology
// share (its five short items, then the strengths and the weaknesses addressed
// to the reader), the five gift ideas for a man and for a woman, exactly as
// shown with trailing blanks included, and a third-person portrait of the sign
// and the presents it enjoys. Plain ASCII, so it survives any 8-bit code page.
const SignTable<GiftRow> kGiftTable{{
    // Aries
    {{"Fire", "9", "Tuesday", "Leo and Sagittarius", "Diamond",
      "You are brave, direct and full of a fire that gets things started. You are the "
      "first to volunteer when a plan needs a leader and the first to laugh when the plan "
      "goes sideways. You are honest to a fault, and people always know where they stand "
      "with you, which is a rare and restful gift. You are energetic enough to wear out a "
      "puppy, and your enthusiasm is so catching that whole rooms wake up when you walk "
      "in. You are generous with your time and quick to defend anyone who is being treated "
      "unfairly. You are not one to hold a grudge, either; once an argument is over, you "
      "have already moved on to the next adventure.",
      "You can be a touch impatient, and waiting in a queue may feel to you like a small "
      "act of cruelty. You sometimes charge ahead before reading the instructions, then "
      "wonder why the bookshelf has three spare screws. Your temper flares fast, although "
      "it cools just as quickly. You like to win, and you like it a lot, so board games "
      "with you can turn into contact sports. Now and then a little pause before speaking "
      "would save you an apology later."},
     {"Athletic Equipment", "Polaroid Camera", "Puzzle", "Music Players", "Personalized Gifts"},
     {"Scarves", "Hats", "Earrings", "Sun Glasses", "Beauty Makeover Certificates"},
     "Aries is the ram who leads the zodiac, a sign of action, courage and cheerful "
     "competition. An Aries is happiest when busy, so the best presents are the ones that "
     "can be used right away rather than admired on a shelf. An Aries man will light up "
     "at new athletic equipment, a rugged camera for his next outing, a tricky puzzle "
     "that dares him to beat it, or a music player loaded for the morning run. An Aries "
     "woman loves to make an entrance, and a bold scarf, a striking hat, bright earrings "
     "or a pair of sporty sunglasses will suit her perfectly. Whatever is chosen, wrap it "
     "quickly and hand it over at once, because patience is not part of the ram's nature."},
    // Taurus
    {{"Earth", "6", "Friday", "Capricorn and Virgo", "Emerald",
      "You are steady, loyal and wonderfully calm in a crisis, the kind of friend who "
      "stays when everyone else has gone home. You are patient with people and with "
      "projects, and you would rather build something slowly and well than rush it and "
      "watch it crumble. You are practical with money and sensible about what really "
      "matters. You are also a true lover of comfort and beauty, with a fine nose for good "
      "food, soft fabrics and music that soothes the soul. You are dependable; when you "
      "promise to be there at eight, you are there at five to eight with snacks. You are "
      "affectionate in a quiet, solid way, and the people you love feel safe in your "
      "company. You are blessed with a green thumb and a gift for making any home feel "
      "warm.",
      "You can be wonderfully stubborn, and once you have dug in your heels, a team of "
      "horses could not move you. Change makes you grumble, even when it is change for the "
      "better. You may cling to old habits, old sofas and old arguments long past their "
      "sell-by date. Your love of the good life can tempt you into one dessert too many. "
      "And when someone finally does push you too far, your slow-burning temper is a sight "
      "to behold."},
     {"Gift Certificate", "Expensive Cologne", "New Music System", "Leather Jacket", "A Bottle of Wine"},
     {"Chocolates", "Leather Purse", "Earrings", "Body Oils", "Perfumes"},
     "Taurus is the bull of the zodiac, an earth sign ruled by Venus, and it adores the "
     "pleasures of the senses. Taureans value quality over quantity and would rather "
     "receive one beautiful, lasting thing than a heap of clever trinkets. A Taurus man "
     "appreciates a fine cologne, a rich-sounding music system, a soft leather jacket "
     "that will age well, or a bottle of good wine to share over a long dinner. A Taurus "
     "woman melts at a box of handmade chocolates, a well-made leather purse, fragrant "
     "body oils or a perfume with real depth. Texture, taste and scent matter a great "
     "deal to this sign, so choose something that feels wonderful in the hand. Never rush "
     "a bull; present the gift over a slow lunch. Add a handwritten card and a little "
     "patience, and the bull will treasure the present for years."},
    // Gemini
    {{"Air", "5", "Wednesday", "Aquarius and Libra", "Agate",
      "You are quick, curious and endlessly entertaining, with a mind that jumps from idea "
      "to idea like a sparrow in spring. You are a gifted talker who can chat with a "
      "duchess and a dustman in the same afternoon and charm them both. You are adaptable "
      "and clever, and you learn new skills faster than most people can find the manual. "
      "You are playful and youthful at any age, always ready with a joke, a story or a "
      "surprising fact. You are open-minded and rarely judge others, because you find "
      "people far too interesting to pigeonhole. You are the friend who knows a little "
      "about everything and can turn a dull evening into a lively one.",
      "You may find it hard to finish what you start, and somewhere in your home there is "
      "surely a drawer of half-read novels and half-knitted scarves. Your moods can change "
      "as fast as the weather, which keeps your friends cheerfully guessing. You sometimes "
      "talk faster than you think, and a secret told to you may travel a little further "
      "than intended. Routine bores you to tears, so you can be restless when life slows "
      "down. You occasionally say yes to three parties on the same night and then have to "
      "choose at the last minute. And while your wit is delightful, it can sting when you "
      "aim it carelessly, so keep the sharpest jokes for people who can take them."},
     {"Books", "Cell phone", "PDA", "Diaries & Journals", "Shirts"},
     {"Hand Lotion", "Glassware", "Watch", "Gloves", "Blouses"},
     "Gemini is the sign of the twins, an air sign ruled by Mercury, the messenger of the "
     "gods. Geminis love words, news and novelty, and they get bored quickly, so a "
     "present that keeps their busy minds entertained is always a winner. A Gemini man "
     "will enjoy a stack of new books, the latest phone, a handsome journal for his many "
     "ideas, or a smart shirt in a lively pattern. A Gemini woman will be delighted by a "
     "luxurious hand lotion, elegant glassware for entertaining, a stylish watch to keep "
     "her on schedule, or a pair of soft gloves. True to the twins, two small gifts often "
     "please a Gemini more than one large one."},
    // Cancer
    {{"Water", "2", "Monday", "Pisces and Scorpio", "Pearl",
      "You are caring, kind and deeply loyal, with a heart big enough to shelter everyone "
      "you love. You are the one who remembers birthdays, notices when a friend is quiet, "
      "and always has a pot of tea ready. You are intuitive, often sensing what people "
      "feel before they say a word. You are protective of your family and your home, and "
      "you make any place you live feel like a warm nest. You are imaginative and "
      "sentimental, keeping letters, photographs and memories safe for years. You are also "
      "surprisingly tough when it counts; beneath that gentle shell lies a spirit that "
      "will fight for the people it cherishes.",
      "You can be rather moody, and your feelings rise and fall with the tides. When hurt, "
      "you tend to retreat into your shell and sulk rather than say what is wrong. You may "
      "worry far too much about the people you love, fussing over them until they beg for "
      "mercy. Letting go is hard for you, whether it is an old grudge or a shoebox of "
      "ticket stubs from 1998. Sometimes you take a passing remark personally when nobody "
      "meant a thing by it."},
     {"Bottle of Wine", "An Aquarium", "Books", "Family Tree Tools", "Home Videos"},
     {"Handmade Sweater", "Silver", "Cookbook", "Spa Treatment", "A Dinner Set"},
     "Cancer is the crab of the zodiac, a water sign ruled by the Moon, and home and "
     "family are at the very centre of its world. Cancerians are sentimental souls who "
     "treasure anything with a story or a memory attached. A Cancer man will be touched "
     "by a good bottle of wine for a family dinner, an aquarium to bring calm to the "
     "living room, a carefully researched family tree, or old home videos transferred so "
     "the whole clan can watch them. A Cancer woman will adore a handmade sweater, a "
     "piece of delicate silver, a cookbook full of comforting recipes, or a relaxing day "
     "at a spa. The more personal the gift, the deeper the crab will be moved."},
    // Leo
    {{"Fire", "8 and 9", "Sunday", "Aries and Sagittarius", "Ruby",
      "You are warm, generous and radiant, and when you walk into a room it somehow feels "
      "as though someone has switched on the sun. You are a natural leader who inspires "
      "others not by bossing them about but by believing in them, loudly and sincerely. "
      "You are loyal to your friends and fiercely protective of anyone you have taken "
      "under your wing. You are creative and dramatic, with a flair for turning an "
      "ordinary evening into a celebration. You are confident, and that confidence rubs "
      "off on people who need a little courage of their own. You are big-hearted and quick "
      "to forgive, and you rarely stay angry for long, because sulking is beneath your "
      "dignity. You are a born entertainer, and your stories grow better, and slightly "
      "taller, every single time you tell them. You are also playful and affectionate, "
      "happiest when you are surrounded by laughter, admiration and the people you love. "
      "You are gracious in victory and cheerful in defeat, and you always make sure "
      "everyone gets a slice of the cake.",
      "You do love the spotlight, and you may sulk a little when someone else is standing "
      "in it. Your pride can make it difficult to admit a mistake, even a tiny one about "
      "which way to turn at the roundabout. You can be bossy when you are sure you know "
      "best, which is most of the time. Flattery works on you rather too well. And your "
      "generous streak can run away with your wallet, so your bank manager may not share "
      "your taste for grand gestures."},
     {"Lottery Tickets", "Gold Jewelry", "Cuff Links", "Bottle of Wine", "Leather Briefcase"},
     {"Cosmetics", "Fashion Accessories", "Opera tickets", "Crystal", "Diamonds "},
     "Leo is the lion of the zodiac, a fire sign ruled by the Sun, and it loves to shine. "
     "Leos have royal tastes and a flair for drama, so presents should be generous, "
     "glamorous and presented with a little ceremony. A Leo man will be proud to wear "
     "gold jewelry or a pair of handsome cuff links, and a fine leather briefcase will "
     "make him feel like the king of the office. A Leo woman adores luxurious cosmetics, "
     "eye-catching accessories, tickets to the opera, sparkling crystal and, if the "
     "budget allows, diamonds. Cheap or half-hearted gifts will not impress this sign. "
     "Wrap the present in gold paper, give it in front of an audience, and be ready for a "
     "roar of delight."},
    // Virgo
    {{"Earth", "3 and 5", "Wednesday", "Capricorn and Taurus", "Sapphire",
      "You are careful, clever and wonderfully reliable, the person everyone turns to when "
      "something needs doing properly. You are modest about your talents, yet you notice "
      "details that others miss entirely. You are practical and hard-working, and you find "
      "real joy in being useful. You are kind in quiet ways, often helping behind the "
      "scenes without asking for thanks. You are honest and thorough, and your word is "
      "binding. You are also a sharp observer with a dry wit that surprises people who "
      "think of you as serious.",
      "You can be a perfectionist, and no matter how tidy the kitchen is, you will spot "
      "the crumb. You may criticise others, and yourself even more, when a little praise "
      "would do the job better. Worry is one of your hobbies, and you can lie awake making "
      "lists of things that might go wrong. You sometimes find it hard to relax until "
      "every task is ticked off, which means you rarely relax at all. Try to remember that "
      "a slightly crooked picture frame has never ruined anyone's life."},
     {"Power Drills", "PDA", "Gym Equipment", "A Bottle of Wine", "Diary or Journal"},
     {"Scented Soaps", "Organic Health Stuff", "Massage Treatment", "Key Ring", "Bubble Bath"},
     "Virgo is the maiden of the zodiac, an earth sign ruled by Mercury, and it prizes "
     "usefulness, quality and good health. Virgos are practical people who prefer a "
     "thoughtful, sensible present to a flashy one. A Virgo man will appreciate a sturdy "
     "set of power drills for his weekend projects, good gym equipment to keep him in "
     "shape, or a neat diary for his plans. A Virgo woman will love scented soaps, a "
     "basket of organic goods, a soothing massage, or a bubble bath to help her finally "
     "unwind. Choose something clean, well made and genuinely handy, with no needless "
     "frills, and the maiden will quietly glow with pleasure."},
    // Libra
    {{"Air", "6 and 9", "Friday", "Aquarius and Gemini", "Opal",
      "You are charming, gracious and fair, with a rare talent for seeing both sides of "
      "every story. You are a born peacemaker who can calm a quarrel with a smile and a "
      "few well-chosen words. You are sociable and friendly, and people feel instantly at "
      "ease in your company. You are romantic at heart, believing in love, partnership and "
      "the power of a kind gesture. You are blessed with excellent taste, whether you are "
      "choosing a painting, a restaurant or an outfit. You are diplomatic without being "
      "false, and you genuinely want everyone to get along. You are also a loyal partner "
      "and a thoughtful friend who rarely forgets a favour.",
      "You can be painfully indecisive, and choosing from a long menu may take you longer "
      "than eating the meal. You hate conflict so much that you sometimes agree to things "
      "you do not want just to keep the peace. You may rely on others for approval rather "
      "than trusting your own excellent judgement. A little vanity can creep in, "
      "especially near a mirror. And now and then you put off a difficult decision until "
      "someone else makes it for you."},
     {"Good Music CDs", "Clothes", "Shaving Kit", "Spa Treatment", "Books"},
     {"Red Roses", "Manicure", "Purse", "Paintings", "A Photo Frame"},
     "Libra is the sign of the scales, an air sign ruled by Venus, and it is devoted to "
     "beauty, balance and harmony. Librans have refined taste and a love of all things "
     "elegant, so presents should be pretty, stylish and chosen with care. A Libra man "
     "will enjoy new music for a relaxing evening, well-cut clothes that flatter him, or "
     "a handsome shaving kit. A Libra woman will be enchanted by a bouquet of red roses, "
     "a pampering manicure, a lovely painting for her wall, or a graceful photo frame for "
     "a favourite picture. Presentation matters to this sign as much as the gift itself, "
     "so pay attention to the wrapping and the ribbon."},
    // Scorpio
    {{"Water", "2 and 4", "Tuesday", "Cancer and Pisces", "Topaz",
      "You are passionate, determined and wonderfully intense, and once you set your heart "
      "on a goal, nothing can stop you. You are deeply loyal, and the people lucky enough "
      "to earn your trust have a friend for life. You are perceptive and shrewd, with an "
      "uncanny knack for seeing through masks and getting to the truth. You are brave in "
      "the face of hardship and able to rise again after any setback, like the phoenix "
      "that is one of your symbols. You are magnetic and mysterious, and people are drawn "
      "to you even when they cannot quite say why. You are resourceful, focused and "
      "capable of great depth of feeling. You are also a superb keeper of secrets, and "
      "friends confide in you without a second thought.",
      "You can be secretive, and getting a straight answer out of you sometimes feels like "
      "cracking a safe. Jealousy is a dragon you must keep on a short lead. You may hold "
      "on to a grudge for a very long time, and you have an elephant's memory for slights. "
      "When crossed, your sting can be sharp indeed. You occasionally test the people you "
      "love in ways they never signed up for, so let them pass without an exam now and "
      "then."},
     {"Designer Sun Glasses", "Old Film DVDs", "Cologne", "An Aquarium", "Binoculars"},
     {"Beauty Products", "Opera Tickets", "An Aquarium", "Books", "Candles"},
     "Scorpio is the scorpion of the zodiac, a water sign ruled by Pluto and Mars, and it "
     "is drawn to mystery, depth and intensity. Scorpios enjoy presents with a hint of "
     "secrecy and a touch of luxury, and they can always tell if a gift was chosen in a "
     "hurry. A Scorpio man will like a pair of designer sunglasses, a collection of "
     "classic old films, or powerful binoculars for watching the world unseen. A Scorpio "
     "woman will be pleased by rich beauty products, tickets to a passionate evening at "
     "the opera, or scented candles that set a sultry mood. Give the gift in private "
     "rather than at a crowded party, and the scorpion will appreciate it all the more."},
    // Sagittarius
    {{"Fire", "5 and 7", "Thursday", "Aries and Leo", "Turquoise",
      "You are optimistic, adventurous and bursting with good humour, and your laughter "
      "can brighten the greyest of days. You are a born explorer, happiest with a map in "
      "your hand and a horizon in front of you. You are honest and open, and you have a "
      "generous faith in people and in the future. You are curious about other cultures, "
      "ideas and philosophies, and you love to learn by doing. You are independent, "
      "cheerful and easy-going, the sort of companion who turns a missed train into a "
      "grand adventure. You are broad-minded and tolerant, and you bring out the best in "
      "others by expecting the best of them. You are also wonderfully enthusiastic, and "
      "your excitement for life is something the rest of us can only envy.",
      "You can be blunt to the point of tactlessness, and your honesty sometimes lands "
      "like a snowball in the face. You may promise more than you can deliver, simply "
      "because everything sounds like fun. Commitment can make you twitchy, and routine "
      "makes you long for the open road. You are occasionally careless with details, money "
      "and keys. And your restless feet may carry you off just when someone was hoping you "
      "would stay."},
     {"Outdoor Camping Equipment", "Hiking Boots", "Belt", "Telescope", "A Lottery Ticket"},
     {"Telescope", "Atlas", "Books", "Outdoor Boots", "Tickets to Metaphysics Seminars"},
     "Sagittarius is the archer of the zodiac, a fire sign ruled by Jupiter, and it lives "
     "for freedom, travel and big ideas. Sagittarians are happiest on the move, so the "
     "best presents feed their love of adventure and learning. A Sagittarius man will be "
     "thrilled with new camping gear, a tough pair of hiking boots, or a telescope for "
     "gazing at the stars on a clear night. A Sagittarius woman will love a beautiful "
     "atlas to plan her next journey, a pile of books on faraway places, sturdy outdoor "
     "boots, or tickets to a seminar on a subject that fascinates her. Anything that "
     "promises a new experience will make the archer grin from ear to ear."},
    // Capricorn
    {{"Earth", "8 and 2", "Saturday", "Taurus and Virgo", "Garnet",
      "You are ambitious, disciplined and admirably patient, climbing steadily towards "
      "your goals like a mountain goat up a cliff. You are responsible and dependable, and "
      "people trust you with things that matter. You are practical and wise beyond your "
      "years, with a good head for business and planning. You are loyal and devoted to "
      "your family, even if you show it through deeds rather than words. You are calm "
      "under pressure, and your quiet strength steadies everyone around you. You are also "
      "blessed with a dry sense of humour that catches people off guard and gets funnier "
      "as you grow older.",
      "You can be a tad too serious, and you may forget that weekends were invented for "
      "rest. You sometimes measure your worth by your work and your bank balance. "
      "Pessimism creeps in if plans fail. You can be stubborn about doing things your way, "
      "and you may find it hard to show your softer side, even to the people who know it "
      "is there."},
     {"Monogrammed Briefcases", "Aftershave", "PDA", "Tie", "Wallet"},
     {"Silk Bathrobes", "Crystal ", "Day Planners", "Purse", "Candles"},
     "Capricorn is the goat of the zodiac, an earth sign ruled by Saturn, and it values "
     "tradition, quality and success. Capricorns prefer practical, classic presents that "
     "will last and reflect their steady climb up the ladder. A Capricorn man will be "
     "delighted with a monogrammed briefcase, a refined aftershave, a classic silk tie, "
     "or a good leather wallet. A Capricorn woman will appreciate a silk bathrobe to wear "
     "after a long day, a piece of fine crystal, or an elegant day planner to keep her "
     "many ambitions on track. Avoid anything gimmicky or cheap; this sign respects "
     "craftsmanship and will notice the difference at a glance."},
    // Aquarius
    {{"Air", "1 and 7", "Wednesday", "Taurus and Virgo", "Amethyst",
      "You are original, inventive and refreshingly independent, with a mind that always "
      "seems to live a few years in the future. You are a humanitarian at heart, caring "
      "about fairness and the well-being of the world at large. You are friendly and open "
      "to everyone, and your circle of friends is as varied as a box of mixed biscuits. "
      "You are a free spirit who happily questions rules that no longer make sense. You "
      "are loyal to your ideals and to your friends, and you are always ready with an "
      "unusual idea that solves an old problem. You are tolerant, curious and delightfully "
      "unpredictable.",
      "You can seem a little detached, as if part of you is always orbiting somewhere near "
      "Saturn. You may be so attached to your own ideas that you refuse to hear anyone "
      "else's. Rebelling for the sake of it is a hobby of yours, and you might wear odd "
      "socks just because someone said you shouldn't. You can struggle to express your "
      "feelings, preferring to discuss the future of humanity rather than your own heart. "
      "And you sometimes keep friends at arm's length without meaning to."},
     {"Latest Gizmos", "Socks", "Pens", "Science Fiction Books", "Music"},
     {"Photo Albums", "Books or Magazines", "Music", "Incense", "Pens"},
     "Aquarius is the water bearer, an air sign ruled by Uranus, and it loves all that is "
     "new, odd and forward-looking. Aquarians are inventive and independent, and they "
     "enjoy presents that surprise them or spark a fresh idea. An Aquarius man will be "
     "fascinated by clever gizmos and gadgets, or a shelf of science fiction books about "
     "distant worlds. An Aquarius woman will treasure a photo album for her many friends, "
     "a bundle of interesting magazines, or fragrant incense for her quiet hours. A "
     "donation to a charity in their name will move these idealists. The more unusual the "
     "gift, the happier this sign will be."},
    // Pisces
    {{"Water", "2 and 6", "Friday", "Taurus and Virgo", "Aquamarine",
      "You are gentle, compassionate and wonderfully imaginative, with a soul that seems "
      "to understand the sorrows and joys of everyone around you. You are a dreamer and an "
      "artist at heart, drawn to music, poetry and anything that stirs the emotions. You "
      "are kind without limits, always ready to lend a shoulder, a listening ear or your "
      "last biscuit. You are intuitive and sensitive, picking up moods the way a radio "
      "picks up distant stations. You are selfless and forgiving, and you see the good in "
      "people even when they struggle to see it themselves. You are adaptable and "
      "easy-going, flowing around obstacles like water around a stone.",
      "You can drift off into daydreams at the most inconvenient moments, such as during a "
      "meeting or while crossing the road. You may find it hard to say no, and people "
      "sometimes take advantage of your soft heart. Reality can feel a little harsh, so "
      "you may hide from problems rather than face them. You are inclined to be forgetful "
      "and disorganised, and your keys have probably gone swimming again. Try to remember "
      "that caring for yourself is just as important as caring for everyone else."},
     {"Kaleidoscope", "Bottle of Champagne", "Digital Camera", "Oil Paints", "Socks"},
     {"Showering Gels", "Bath Salts", "Poetry Books", "Perfumes", "Slippers"},
     "Pisces is the sign of the two fishes, a water sign ruled by Neptune, and it swims "
     "in a world of dreams, art and feeling. Pisceans are romantic and sensitive, and "
     "they love presents that feed the imagination or soothe the spirit. A Pisces man "
     "will be charmed by a beautiful kaleidoscope, a bottle of good champagne, or a set "
     "of oil paints to capture his visions on canvas. A Pisces woman will delight in "
     "fragrant shower gels, relaxing bath salts, a book of poetry, or a pair of cosy "
     "slippers. Anything connected with water or the arts is sure to please. Give the "
     "present with a sincere word of affection, and the fishes will remember the moment "
     "forever."},
}};
