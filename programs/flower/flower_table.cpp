// SPDX-License-Identifier: GPL-3.0-or-later
#include "programs/flower/flower_reading.h"

// One row a sign, in zodiac order: its lucky flowers and plants exactly as
// shown (spellings included), its place in FlowerPictures(), the garden
// paragraph(s) about them, then the bright side and the shadow side of the sign,
// both addressed to the reader. Plain ASCII, so they survive any 8-bit code page.
const SignTable<FlowerRow> kFlowerTable{{
    // Aries
    {"Sweet Pea, Tiger Lilies, Daisies",
     "Onions, Hollyhock, Thorn-bearing Trees/Shrubs, Some Firs",
     12,
     "Aries bursts into the year with the first warm days of spring, and its flowers share "
     "that eager energy. The Sweet Pea climbs toward the light without hesitation, the Tiger "
     "Lily blazes in fiery orange, and the cheerful Daisy opens its face to every passing "
     "sun.\n"
     "Plant these blooms near your front door and they will greet each new venture with a "
     "burst of color. Sweet Peas reward the gardener who picks them often, which suits the "
     "Ram's love of action, while Tiger Lilies stand tall and bold. Daisies, simple and "
     "brave, remind you that a fresh start is always possible. Your lucky plants are Onions, "
     "Hollyhock, Thorn-bearing Trees/Shrubs, Some Firs.",
     "You are a natural pioneer, always the first to step forward when something new needs "
     "to be tried. You are brave, energetic and refreshingly direct, so people always know "
     "where they stand with you. You are quick to forgive and slow to hold a grudge, because "
     "yesterday's quarrel bores you far more than tomorrow's adventure. You are generous "
     "with your enthusiasm, and your excitement has a way of lighting a fire under everyone "
     "nearby. You are honest to the point of bluntness, yet there is no malice in you, only "
     "an eagerness to get things moving. You are independent and resourceful, happiest when "
     "you can carve your own path. When friends need a champion, you are the one to roll up "
     "your sleeves and charge in on their behalf.",
     "You can be wonderfully impatient, and a queue of more than three people may feel like "
     "a personal insult. You sometimes leap before you look, then act surprised to find "
     "yourself standing in the middle of a puddle. Your temper flares quickly, and although "
     "it cools just as fast, the people around you may still be blinking at the smoke. You "
     "like to win, even at board games meant for small children, and you have been known to "
     "sulk when the dice will not cooperate. Finishing things is not always your strong "
     "point, so your cupboards may hold a small museum of projects abandoned at the exciting "
     "beginning."},
    // Taurus
    {"Poppy, Lilies",
     "cypress, Vine, Apple, Crab Apple, Pear, Fig, Citrus, Palms",
     9,
     "Taurus is ruled by gentle Venus, and its flowers are as sensual and lovely as the sign "
     "itself. The Poppy, with its silky petals and sleepy charm, speaks of comfort and sweet "
     "rest, while Lilies offer rich perfume and a calm, stately grace.\n"
     "A Taurus garden is a place for lingering, where you can sit with a cup of tea and "
     "admire the view. Poppies scattered through a meadow bed seed themselves year after "
     "year, rewarding your patience, and a pot of Lilies by the door fills the air with "
     "scent. Fruit and shade matter to you as much as blossom. Your lucky plants are "
     "cypress, Vine, Apple, Crab Apple, Pear, Fig, Citrus, Palms.",
     "You are steady, dependable and as solid as the earth beneath your feet. You are "
     "patient in a way that others can only admire, willing to wait for good things to ripen "
     "instead of snatching them too soon. You are loyal to your friends and devoted to the "
     "people you love, and once you give your word, you keep it. You are blessed with fine "
     "taste and a real appreciation for beauty, whether it comes as music, a soft blanket or "
     "a perfectly baked loaf. You are fond of simple pleasures. You are practical and "
     "sensible with money, and your home is often the coziest place anyone knows. You are "
     "calm in any crisis, a quiet anchor when everything else is drifting. You are also "
     "wonderfully affectionate, and your hugs have been known to cure a bad day in seconds.",
     "You can be stubborn enough to make a mule take notes. Once you have settled on a plan, "
     "a restaurant or a favorite chair, shifting you requires a small army and a written "
     "argument. You may indulge a little too often in rich food and lovely things, and the "
     "word diet can make you wince. Change of any kind tends to make you grumpy, at least "
     "until you discover that the new arrangement is rather comfortable."},
    // Gemini
    {"Lily of the Valley, Red Roses, Azalea",
     "Fern, Nut-Bearing trees, Hazel",
     5,
     "Gemini is the sign of the twins, and its flowers show the many sides of this lively, "
     "curious character. The delicate Lily of the Valley rings its tiny white bells with a "
     "sweetness that hides a sturdy nature, Red Roses bring passion and wit, and the Azalea "
     "bursts into color as if it could hardly wait to start talking.\n"
     "Variety is truly the spice of a Gemini garden. You will rarely be content with a "
     "single bed of one flower, preferring a patchwork of colors and shapes that changes "
     "with every season. Lily of the Valley thrives in a shady corner, Azaleas brighten the "
     "borders in late spring, and a few Red Roses climbing an arch give you something to "
     "chat about with the neighbors. Your lucky plants are Fern, Nut-Bearing trees, Hazel.",
     "You are quick-witted, clever and endlessly curious about the world and everyone in it. "
     "You are a gifted talker who can chat with a prince or a postman and leave both of them "
     "smiling. You are adaptable, able to change direction in a heartbeat when plans go "
     "astray, and you rarely let a setback dampen your spirits for long. You are youthful at "
     "heart, whatever your age, and your playful sense of humor brightens every room you "
     "enter. You are a lifelong learner, forever collecting facts, stories and odd bits of "
     "trivia to share at every dinner party. You are sociable and generous with your time, "
     "always ready to introduce one friend to another. You are imaginative and inventive, "
     "full of ideas that sparkle, and your company is never, ever dull.",
     "You can be as changeable as spring weather, sunny at breakfast and stormy by teatime. "
     "Your attention wanders easily, so you may start three books, two hobbies and a new "
     "language in the same week and finish none of them. You sometimes talk so fast that "
     "your listeners need a moment to catch up, and you may get restless if the conversation "
     "turns too slow. Juicy gossip can be a little too tempting for you. Commitments make "
     "you nervous, because saying yes to one thing means saying no to a dozen other "
     "fascinating possibilities."},
    // Cancer
    {"Larkspur, White Roses, White Lilies",
     "Cabbage, Cow Parsley",
     4,
     "Cancer is ruled by the Moon, and its flowers carry a gentle, silvery glow that suits "
     "this tender and caring sign. Larkspur raises tall spires of blue and purple toward the "
     "evening sky, White Roses speak of devotion and a pure heart, and White Lilies shine in "
     "the twilight like little lamps left on for someone coming home. Together they make a "
     "garden that feels calm, protective and quietly magical after dark.\n"
     "A Cancer garden is often planted close to the house, where it can be watched and "
     "enjoyed by the whole family. Pale blooms that shine in moonlight are especially "
     "welcome. Homely, useful plants bring you luck as well, for you love a well-stocked "
     "kitchen. Your lucky plants are Cabbage, Cow Parsley.",
     "You are caring, nurturing and deeply loyal to the people who matter most to you. You "
     "are the friend who remembers birthdays, the one who turns up with soup when someone is "
     "ill, and the voice on the phone that knows exactly what to say. You are intuitive and "
     "emotionally wise, able to sense a change in mood before a single word is spoken. You "
     "are protective of your home and family, and you turn any space, however small, into a "
     "cozy nest. You are imaginative and sentimental, keeping old letters, photographs and "
     "treasures that hold precious memories. You are tenacious too, and when you have set "
     "your heart on something, you hold on with admirable determination. You are thrifty, "
     "saving a little for a rainy day. You are a wonderful host, a fine cook and a patient "
     "listener. You are kind to strangers, gentle with animals and endlessly forgiving of "
     "those you love.",
     "You can be moody, and your feelings tend to wax and wane like the Moon that rules you. "
     "On a bad day you may retreat into your shell and refuse to come out until someone "
     "coaxes you with a cup of tea and a ginger biscuit. You remember every slight, however "
     "small, and you may bring up an unkind remark made in the distant past. You worry a "
     "great deal about the people you adore, which can make you a little smothering when "
     "they simply want to cross the road on their own. You also find it hard to throw "
     "anything away, so your drawers may be full of birthday cards, ribbons and keys to "
     "doors that no longer exist."},
    // Leo
    {"Sunflower",
     "Palm, Bay, Laurel, Walnut, Olive, Citrus Trees",
     11,
     "Leo is ruled by the Sun, so it is no wonder that its lucky flower is the Sunflower. "
     "Tall, golden and impossible to ignore, the Sunflower turns its wide face toward the "
     "light all day long, much as a Leo turns toward applause. It brings warmth, loyalty and "
     "cheerful confidence to any garden lucky enough to hold it.\n"
     "A Leo garden ought to feel bright, bold and generous. Your lucky plants are Palm, Bay, "
     "Laurel, Walnut, Olive, Citrus Trees.",
     "You are warm-hearted, generous and as radiant as the summer sun. You are a born "
     "leader, and people quite naturally look to you when a decision needs to be made or a "
     "party needs to be organized. You are confident and dignified, carrying yourself with a "
     "certain royal grace that others find impossible to overlook. You are loyal to the "
     "bone, and anyone lucky enough to be your friend can count on your fierce protection. "
     "You are creative and dramatic, with a flair for performance that turns an ordinary "
     "evening into a memorable show. You are generous with praise and encouragement, and you "
     "love to see the people around you shine. You are cheerful and optimistic, able to lift "
     "a gloomy mood with a single joke or a big, hearty laugh. You are brave when it counts, "
     "standing up for what is right even when it would be easier to stay silent. You are "
     "also affectionate and playful, with a childlike delight in fun, games and "
     "celebrations. Wherever you go, you bring warmth, color and a sense of occasion.",
     "You can be a little vain, and you have been seen checking your reflection in shop "
     "windows, spoons and the backs of other people's sunglasses. You love attention so much "
     "that you may sulk if the spotlight drifts toward someone else for more than a single "
     "minute. Your pride is easily bruised, and an offhand comment about your hairstyle can "
     "ruin your whole afternoon. You sometimes take charge of situations nobody asked you to "
     "manage, then wonder why the others look slightly exhausted. You may also spend rather "
     "extravagantly, because only the best will do for royalty, even when the bank balance "
     "suggests that a more modest crown would be wise."},
    // Virgo
    {"Pansy, Blue Flowers",
     "Cherry, Nut Bearing Trees",
     8,
     "Virgo is an earth sign with a keen eye for detail, and its flowers are modest, tidy "
     "and quietly beautiful. The Pansy, with its thoughtful little face, seems to be "
     "considering the world with care, and Blue Flowers of many kinds, from cornflowers and "
     "harebells to forget-me-nots, bring a sense of calm and clarity to a busy mind.\n"
     "A Virgo garden is neat and well arranged, each plant chosen for both its usefulness "
     "and its charm. Herbs in trim rows and Pansies edging a path suit you perfectly. "
     "Weeding and pruning feel more like a pleasure than a chore. Your lucky plants are "
     "Cherry, Nut Bearing Trees.",
     "You are practical, thoughtful and wonderfully reliable. You are observant, noticing "
     "the tiny details that everyone else overlooks, and you are happiest when you can put "
     "them right. You are modest about your many talents and truly helpful, always ready to "
     "lend a hand without making a fuss. You are clever and analytical, able to solve a "
     "tricky problem by calmly taking it apart piece by piece. You are health-conscious, "
     "hard-working and loyal, the kind of friend who quietly keeps everyone's life running "
     "smoothly.",
     "You can be a fussy perfectionist, and a crooked picture frame may keep you awake all "
     "night. You sometimes criticize others without meaning to, simply because you can see "
     "exactly how things could be done better. You worry much more than you need, and your "
     "list of things to fret about has its own neatly labeled, color-coded folder."},
    // Libra
    {"Rose, Red Tulips",
     "Plum, Ash, Poplar and Taurean Trees",
     10,
     "Libra is ruled by Venus, the planet of love and beauty, and its flowers are among the "
     "most romantic in any garden. The Rose, the queen of flowers, has stood for love and "
     "harmony for thousands of years, and its perfect balance of petals suits a sign that "
     "longs for fairness in all things. Red Tulips, bright and elegant, are a classic "
     "declaration of love and make a cheerful show every spring. A Libra garden is usually "
     "designed with care, with matching borders, graceful paths and a pleasant bench where "
     "friends can sit and talk. Pastel colors, soft scents and birdsong help you to feel at "
     "peace. Your lucky plants are Plum, Ash, Poplar and Taurean Trees.",
     "You are charming, gracious and blessed with a natural sense of style. You are a "
     "peacemaker at heart, able to see both sides of any argument and gently lead people "
     "toward a fair solution. You are sociable and easygoing, and your friendly manner puts "
     "strangers at ease within minutes. You are romantic, with a deep appreciation for love, "
     "beauty and art in all its forms. You are diplomatic and tactful, always choosing words "
     "that soothe instead of sting. You are fair-minded and just, and you cannot bear to see "
     "anyone treated badly. You are a wonderful partner and companion, happiest when sharing "
     "life with someone dear. You are refined and elegant, with an eye for color and a "
     "talent for making any room look lovely.",
     "You can be terribly indecisive, and choosing between two desserts may take longer than "
     "the meal itself. You want so much to be liked that you sometimes agree with everyone, "
     "even when they contradict each other. Conflict makes you squirm, so you might sweep "
     "problems under a very pretty rug. You also have a weakness for luxury that your wallet "
     "does not always share."},
    // Scorpio
    {"Chyrsanthemum, Gardenias, Lilies",
     "Honey-Suckle, Cactus, Yew, Blackthorn, Bushy Shrubs",
     2,
     "Scorpio is the most intense sign of the zodiac, and its flowers have a deep, "
     "mysterious beauty. The Chrysanthemum blooms bravely even as the year fades, Gardenias "
     "offer a rich and heady perfume, and Lilies carry a cool elegance that hints at hidden "
     "depths.\n"
     "A Scorpio garden may have a secret corner, a shady nook or a winding path that leads "
     "somewhere unexpected. Dark, jewel-toned blooms suit you well, from crimson "
     "chrysanthemums to purple lilies, and the creamy Gardenia planted by a window will "
     "scent your evenings with a perfume that lingers long after dark. Your lucky plants are "
     "Honey-Suckle, Cactus, Yew, Blackthorn, Bushy Shrubs.",
     "You are passionate, determined and far stronger than most people realize. You are "
     "intensely loyal, and once someone has earned your trust, you will stand by them "
     "through anything. You are perceptive and intuitive, able to see straight through "
     "pretense to the truth beneath. You are brave in the face of difficulty, and you have a "
     "remarkable ability to rise again after every setback. You are resourceful and focused, "
     "pursuing your goals with a single-minded energy that few can match. You are magnetic "
     "and mysterious, and people are drawn to you without quite knowing why. You are a "
     "natural detective who adores a great mystery. You are also deeply caring, though you "
     "show it in quiet, thoughtful ways.",
     "You can be secretive, and your friends may learn about your new job, new house and new "
     "partner all at once, months after the fact. You rarely forget a wrong, and somewhere "
     "in your mind there is a very long list of people who once borrowed a pen and never "
     "returned it. Jealousy can get the better of you, and you may read a great deal into a "
     "single unanswered message. You also enjoy being in control, so handing over the "
     "television remote can feel like surrendering a small kingdom. When you are hurt, your "
     "stare can chill a cup of tea."},
    // Sagittarius
    {"Narcissus, Carnations",
     "Blackberry, Thistle, Moss, Sage, Rush, Lime, Birch, Mulberry, Oak, Ash, Chestnut",
     6,
     "Sagittarius is the wanderer of the zodiac, and its flowers are bright and freely "
     "given. The Narcissus and the Carnation both bring cheer and good luck.\n"
     "A Sagittarius garden is often wild at the edges and full of surprises, with a path "
     "that invites exploration. Narcissus naturalized in long grass returns each spring like "
     "an old traveling companion, and Carnations add spicy scent to a sunny bed. Your lucky "
     "plants are Blackberry, Thistle, Moss, Sage, Rush, Lime, Birch, Mulberry, Oak, Ash, "
     "Chestnut.",
     "You are optimistic, adventurous and full of an infectious zest for life. You are a "
     "born explorer, happiest with a map in your hand and a new horizon ahead, whether that "
     "means a journey across the world or a walk down an unfamiliar street. You are honest "
     "and open-hearted, and your frankness, though sometimes startling, comes from a genuine "
     "love of truth. You are generous and good-humored, and your laughter is loud enough to "
     "carry across a crowded room. You are a lover of ideas, drawn to philosophy, foreign "
     "languages and long conversations that wander late into the night. You are tolerant and "
     "broad-minded, quick to welcome people whose lives are different from your own. You are "
     "lucky, too, or at least you believe you are, and that cheerful faith often seems to "
     "make good fortune arrive. You are a loyal and genial friend who brings fun and fresh "
     "air wherever you go.",
     "You can be tactless, and your honest opinions sometimes land like a football through a "
     "window. You find routine deadly dull, so appointments, tax forms and washing up may "
     "slip quietly off your radar. You promise more than you can deliver, out of pure "
     "enthusiasm, and you may vanish on a spontaneous trip just when everyone is counting on "
     "you to help them move house on Saturday."},
    // Capricorn
    {"Carnation, Poinsettia",
     "Pine, Elm, Yew, Willow, Aspen, Poplar",
     1,
     "Capricorn is a patient, hardworking earth sign, and its flowers bloom when the days "
     "are short and cold. The Carnation stands for devotion and steady affection, while the "
     "Poinsettia brings festive red to the darkest weeks of winter. A Capricorn garden is "
     "built to last, with evergreen structure and stone paths that look good all year. Your "
     "lucky plants are Pine, Elm, Yew, Willow, Aspen, Poplar.",
     "You are ambitious, disciplined and blessed with a patience that would impress a "
     "mountain. You are a hard worker who climbs steadily toward your goals, one careful "
     "step at a time, and you rarely give up once you have started. You are responsible and "
     "trustworthy, the person everybody turns to when a job simply has to be done properly. "
     "You are practical and wise beyond your years, with a calm common sense that cuts "
     "through confusion. You are loyal to your family and friends, and you show your love "
     "through reliable, thoughtful deeds. You are quietly funny, with a dry wit that catches "
     "even old friends by surprise. You are resilient and steady, and you seem to grow more "
     "relaxed, more playful and more youthful as the years go by.",
     "You can be a terrible workaholic, and you may answer e-mails on your birthday while "
     "the cake melts. You take life rather seriously, and relaxing is something you "
     "schedule, then reschedule, then quietly cancel. You sometimes judge people by their "
     "titles and achievements, and you may raise an eyebrow at anyone who naps in the "
     "afternoon. Your caution can turn to pessimism, so you prepare for rain even on the "
     "sunniest day. You also find it hard to admit when you need help, and you would rather "
     "carry every shopping bag yourself than make two trips."},
    // Aquarius
    {"Orchid",
     "Kiwi, Fruit Trees, Elderberry, Olive, Alder",
     7,
     "Aquarius is the free spirit of the zodiac, and its lucky flower is the Orchid, as "
     "original as the sign itself. With thousands of varieties in every shape and shade, "
     "from delicate moth orchids to wild and improbable blooms that look like tiny dancers, "
     "the Orchid refuses to follow the crowd. It rewards the curious gardener who "
     "experiments with light and humidity. An Aquarius garden often mixes the rare with the "
     "useful. Your lucky plants are Kiwi, Fruit Trees, Elderberry, Olive, Alder.",
     "You are original, inventive and wonderfully independent. You are a true free thinker "
     "who loves to question old habits and imagine better ways of doing things. You are "
     "friendly and open-minded, with a wide circle of companions drawn from every walk of "
     "life. You are idealistic and humanitarian, deeply concerned about fairness and the "
     "welfare of the whole world. You are clever and scientific, fascinated by gadgets, "
     "discoveries and visions of the future. You are tolerant and accepting, and you treat "
     "everyone as an equal, from the cleaner to the company director. You are loyal in your "
     "own quirky fashion, always there when a friend truly needs you. You are full of "
     "surprises, and just when people think they know you, you reveal another delightful "
     "layer.",
     "You can be stubbornly contrary, and if everyone else is turning left, you may turn "
     "right simply to prove a point. You sometimes seem detached, discussing a heartfelt "
     "problem as though it were an interesting experiment in a laboratory. You love humanity "
     "as a whole but may forget to phone your own mother on her birthday. Your opinions are "
     "firm and your arguments clever, so backing down does not come easily to you. You can "
     "be unpredictable, cancelling plans at the last minute because a more intriguing idea "
     "has caught your eye. You may also dress, decorate or cook in ways that leave your "
     "relatives quietly baffled, and you rather enjoy their confusion."},
    // Pisces
    {"Jonquil, Daffodils",
     "Willow, Fig, Trees growing near Water",
     3,
     "Pisces is the dreamer of the zodiac, and its flowers carry the hopeful glow of early "
     "spring. The Jonquil, with its clusters of fragrant blossoms, stands for longing and "
     "affection, while Daffodils nod their golden trumpets beside ponds and streams as if "
     "listening to music only they can hear. Both flowers return every year, a gentle "
     "reminder that kindness and imagination always find their way back into the light. A "
     "Pisces garden is a soft, flowing place, with winding paths, mossy stones and a small "
     "pond where reflections ripple in the breeze. Water is never far from your heart. Your "
     "lucky plants are Willow, Fig, Trees growing near Water.",
     "You are compassionate, gentle and blessed with a boundless imagination. You are deeply "
     "intuitive, often sensing what others feel before they have found the words to say it. "
     "You are artistic and creative, with a gift for music, poetry, painting or "
     "storytelling. You are selfless and generous, always ready to help a friend or a "
     "stranger in need. You are romantic and devoted, and your love is tender, patient and "
     "true. You are adaptable and easygoing, drifting through changes that would upset other "
     "people. You are a peaceful soul who carries calm to troubled hearts. You are wise in a "
     "quiet, spiritual way, and your dreamy outlook lets you find magic in the most ordinary "
     "moments.",
     "You can be a daydreamer of champion standard, and you may miss your bus stop because "
     "you were imagining a life in a lighthouse. You find it hard to say no, so you often "
     "end up lending money, time and umbrellas that you never see again. Harsh reality can "
     "make you want to hide under a blanket with a good novel. You may also cry at "
     "advertisements, films and the occasional sad-looking sandwich left alone on a plate."},
}};
