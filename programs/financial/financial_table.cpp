// SPDX-License-Identifier: GPL-3.0-or-later
#include "programs/financial/financial_reading.h"

// One row a sign, in zodiac order: its sign profile as shown and printed (the
// pairs joined by "&", "and" or a comma; the strengths and the weaknesses
// addressed to the reader), its ruling planet, quality and lucky colour, the
// level (1 to 3) of each of the twelve money attributes, the famous people born
// under the sign, and the sign's way with money. Plain ASCII, so they survive
// any 8-bit code page.
const SignTable<FinancialRow> kFinancialTable{{
    // Aries
    {{"Fire", "9", "Tuesday", "Leo & Sagittarius", "Diamond",
      "You are the spark that gets things moving, Aries, the first sign of the zodiac and "
      "proud of it. Where others hesitate, you are already halfway through the door, full of "
      "courage, enthusiasm and a refreshing honesty that leaves nobody guessing where they "
      "stand. You thrive on challenge and you recover from setbacks faster than most people "
      "can finish complaining about them. Your energy is contagious, and friends and "
      "colleagues often find themselves braver simply for standing next to you. When it comes "
      "to money, you are a bold starter with a nose for fresh opportunities, and you are never "
      "afraid to ask for the raise you know you have earned. Life with you is rarely dull, and "
      "that is a gift in itself.",
      "You can be a little too quick off the mark, Aries. Patience is not exactly your "
      "favorite virtue, and waiting in a queue can feel to you like a personal insult from the "
      "universe. You sometimes leap before you look, then wonder why the landing was so bumpy. "
      "Your temper flares fast, though it also fades fast, which is small comfort to whoever "
      "happened to be standing in the blast zone. Long projects tempt you to wander off once "
      "the exciting part is over, leaving a trail of brilliant beginnings behind you."},
     "Mars", "Cardinal", "Red",
     {1, 2, 3, 1, 1, 2, 1, 2, 1, 3, 1, 3},
     "Leonardo da Vinci, Johann Sebastian Bach, Aretha Franklin, Elton John, Jackie Chan",
     "Aries earns money the way it does everything else: fast, directly and with plenty of "
     "heat. This sign does well in competitive fields, on commission, or running its own "
     "show, where initiative is rewarded on the spot. Saving is harder, because the Ram sees "
     "cash as fuel for the next adventure rather than something to leave sitting in a jar. "
     "Impulse purchases are a classic weakness, from the shiny gadget to the "
     "spur-of-the-moment trip. As an investor, Aries likes action and may be drawn to "
     "high-risk, high-reward ventures, which can pay off handsomely or fizzle just as "
     "quickly. The smartest move for this sign is an automatic savings plan that works "
     "quietly in the background, so the money is tucked away before the Ram has a chance to "
     "charge after it."},
    // Taurus
    {{"Earth", "6", "Friday", "Capricorn & Virgo", "Emerald",
      "You are the steady heart of the zodiac, Taurus, calm, patient and wonderfully reliable. "
      "When you give your word, people can build a house on it, and many of them probably "
      "have. You have a fine eye for quality and a deep love of comfort, beauty and the simple "
      "pleasures of life, from good food to soft fabrics to music that makes time slow down. "
      "Your persistence is legendary: you may not be the fastest to start, but once you get "
      "going, nothing can knock you off course. Money tends to feel safe in your hands, "
      "because you understand its real value and you are happy to let it grow slowly. Friends "
      "come to you for grounded advice and a cozy evening, and they rarely leave disappointed.",
      "You can be stubborn, Taurus, and we mean heroically stubborn. Once you make up your "
      "mind, moving you is like pushing a mountain uphill. Change makes you grumpy, new "
      "routines make you grumpier, and anyone who steals your favorite chair does so at their "
      "own risk. You also hold on to possessions long after they stopped being useful."},
     "Venus", "Fixed", "Green",
     {3, 1, 3, 2, 3, 1, 3, 3, 3, 1, 3, 1},
     "William Shakespeare, Salvador Dali, Florence Nightingale, Adele, David Beckham",
     "Taurus is often called the money sign of the zodiac, and with good reason. Ruled by "
     "Venus and rooted in the earth, the Bull earns steadily, usually in careers that reward "
     "patience, craftsmanship or a good sense of value, such as banking, property, design, "
     "food or the arts. This sign prefers a reliable salary to a wild gamble and builds "
     "wealth brick by brick. Saving comes naturally, and many Taureans keep a comfortable "
     "cushion that they would never dream of touching. The catch is that the Bull also loves "
     "luxury, so spending on fine wine, beautiful clothes or a truly excellent sofa can "
     "quietly eat into the budget. When investing, Taurus favors tangible assets like land, "
     "real estate and solid, dividend-paying companies, and it has the patience to hold them "
     "for decades while others panic and sell."},
    // Gemini
    {{"Air", "5", "Wednesday", "Aquarius & Libra", "Agate",
      "You are quick, curious and endlessly entertaining, Gemini. Your mind works at the speed "
      "of light, jumping from one bright idea to the next, and you can talk to almost anyone "
      "about almost anything. You learn fast, adapt faster, and you have a knack for seeing "
      "two sides of every question, which makes you a natural go-between. People love your wit "
      "and your playful sense of humor. In money matters you are clever and resourceful, and "
      "you often have more than one stream of income on the go. Boredom is your only true "
      "enemy, and you are very good at defeating it.",
      "You can be a bit scattered, Gemini. With a dozen tabs open in your head at any moment, "
      "it is easy to forget the one you were supposed to finish yesterday. Your restless "
      "nature sometimes looks like inconsistency, and people may wonder which of the twins "
      "they are going to meet today. You can talk your way out of nearly anything, which is "
      "handy, but it also tempts you to skip the homework. Gossip is a little too much fun for "
      "you, and commitments that last longer than a season can make you fidget."},
     "Mercury", "Mutable", "Yellow",
     {1, 3, 3, 1, 1, 3, 1, 1, 1, 3, 1, 3},
     "Bob Dylan, Paul McCartney, Anne Frank, Arthur Conan Doyle, Angelina Jolie, Prince",
     "Gemini earns money through words, ideas and connections. This sign shines in sales, "
     "media, teaching, writing and any job that involves talking, traveling or juggling "
     "several tasks at once. Many Twins run a side business or two, and their income may "
     "arrive from many directions. Saving is a challenge since Gemini spends on whatever has "
     "caught its fancy this week, from books and gadgets to last-minute weekend trips. As an "
     "investor, this sign loves to research and trade but may change strategy too often. A "
     "simple rule of thumb helps a great deal: learn all you like, but leave the long-term "
     "money alone."},
    // Cancer
    {{"Water", "2", "Monday", "Pisces & Scorpio", "Pearl",
      "You are the caring soul of the zodiac, Cancer, the one who remembers birthdays, brings "
      "soup when someone is ill and always keeps a spare blanket for unexpected guests. Your "
      "intuition is remarkable, and you often sense what others feel long before they say a "
      "word. You are loyal to the bone, protective of the people you love and wonderfully "
      "imaginative. Beneath your gentle surface lies real strength; when your family or "
      "friends need you, you become a force of nature. You also have a quiet talent with "
      "money, because security matters deeply to you, and you would much rather save for a "
      "rainy day than be caught out in the storm. Home is where your heart lives, and you have "
      "a gift for turning any place into one.",
      "You can be rather moody, Cancer, and your emotional tides rise and fall with the phases "
      "of the moon. One moment you are all warmth and giggles, the next you have retreated "
      "into your shell and refuse to come out until someone apologizes, even if nobody is "
      "quite sure what for. You take criticism to heart and remember old hurts for an awfully "
      "long time. Your protective streak can tip into clinginess, and you may worry about "
      "things that have not happened and probably never will. Letting go of the past, and of "
      "that drawer full of sentimental clutter, does not come easily to you."},
     "The Moon", "Cardinal", "Silver",
     {3, 1, 3, 3, 3, 1, 3, 3, 2, 1, 3, 1},
     "Nelson Mandela, Meryl Streep, Tom Hanks, George Michael, Gustav Mahler",
     "Cancer treats money as a shield that protects home and family. The Crab tends to earn "
     "well in caring and nurturing roles, such as healthcare, teaching, hospitality, real "
     "estate or running a family business, and it often brings a shrewd, practical streak to "
     "the job. This is one of the great savers of the zodiac. Many Cancerians squirrel away "
     "funds in several separate accounts and feel uneasy when the balance dips too low. "
     "Spending is usually modest, except where loved ones are concerned, since this sign will "
     "happily splurge on a child, a partner or a beautiful home. When investing, Cancer is "
     "cautious and prefers property, bonds and well-known companies over risky bets, and it "
     "likes to hold on for the long haul."},
    // Leo
    {{"Fire", "8 & 9", "Sunday", "Aries & Sagittarius", "Ruby",
      "You are the sunshine of the zodiac, Leo, warm, generous and impossible to overlook. "
      "When you walk into a room, the lights seem to get a little brighter, and people "
      "naturally turn to see what you will do next. You are a born leader with a big heart, "
      "and you lead not by force but by example, cheering others on and making them feel they "
      "matter. Your creativity is boundless, whether you express it on a stage, in a boardroom "
      "or simply by throwing the best party in town.\n\n"
      "You are also fiercely loyal. Once someone has earned a place in your pride, you will "
      "defend them with the courage of a lion and the devotion of a true friend. Your "
      "confidence is infectious, and your optimism can carry an entire team through a hard "
      "week. With money, you think big and aim high, and you are generous enough to share your "
      "good fortune with everyone around you. Few people can resist your warmth for long, and "
      "frankly, few of them try. Luck seems to like you, perhaps because you are never shy "
      "about inviting it in.",
      "You can be a touch dramatic, Leo. Every story you tell seems to need a spotlight, a "
      "drum roll and an audience of at least twenty. You love praise a little too much and "
      "sulk royally when it fails to arrive on time. Pride can make it hard for you to admit a "
      "mistake, and you may insist on being in charge even when someone else has the better "
      "map. Your generosity is lovely, but it sometimes comes with the quiet expectation of "
      "applause, and your wardrobe budget deserves its own zip code."},
     "The Sun", "Fixed", "Gold",
     {1, 2, 2, 2, 1, 3, 1, 3, 2, 2, 2, 3},
     "Ernest Hemingway, Coco Chanel, Alfred Hitchcock, Amelia Earhart, Andy Warhol, Jennifer Lopez",
     "Leo earns money best when it can shine. The Lion is drawn to careers in entertainment, "
     "management, politics, fashion and anything else with a touch of glamour and a clear "
     "chance to lead. This sign often rises to the top, and its income tends to follow its "
     "reputation. Saving, however, is not a natural hobby for Leo, because money is meant to "
     "be enjoyed, shown off a little and shared generously with friends. Designer labels, "
     "fine dining and gifts that make people gasp can all drain the royal treasury. When "
     "investing, Leo is confident and likes bold, visible moves, such as backing a start-up, "
     "buying into a famous brand or putting money behind a creative project. The secret to "
     "lasting wealth for this sign is to hire a sensible adviser and then listen, even when "
     "the advice sounds terribly unglamorous."},
    // Virgo
    {{"Earth", "3 & 5", "Wednesday", "Capricorn & Taurus", "Sapphire",
      "You are the careful, clever helper of the zodiac, Virgo. You notice the details that "
      "everyone else misses, and you take real pleasure in making things work better. Your "
      "mind is sharp, analytical and practical, and your modesty means you rarely boast about "
      "how much you actually do. You are dependable, hard-working and kind in a quiet, useful "
      "way. With money, you are a natural budgeter who reads the small print, compares prices "
      "and spots a bargain at fifty paces. Order, for you, is a quiet form of inner peace.",
      "You can be a bit of a perfectionist, Virgo, and that bit can grow quite large. Nothing "
      "is ever quite tidy enough, accurate enough or finished enough to satisfy you. You may "
      "criticize others, and yourself even more harshly, over tiny flaws nobody else can see. "
      "Worry is a favorite hobby of yours, and you can spend an entire evening fretting about "
      "a problem that will take five minutes to solve in the morning."},
     "Mercury", "Mutable", "Blue",
     {3, 1, 2, 3, 3, 1, 3, 3, 3, 1, 3, 1},
     "Leo Tolstoy, Queen Elizabeth I, Warren Buffett, Keanu Reeves, Beyonce, Usain Bolt",
     "Virgo handles money with precision and plenty of common sense. This sign earns well in "
     "fields that reward accuracy and service, such as accounting, medicine, research, "
     "editing, administration and anything that involves fixing what others have broken. "
     "Virgos are excellent savers who track every expense, often in a spreadsheet with "
     "color-coded columns. They rarely buy on impulse, and when they do splurge, it is "
     "usually on health, self-improvement or a tool that will last for years. As investors, "
     "they do their homework thoroughly, prefer steady, low-cost funds and dislike anything "
     "that smells of hype. Their only real risk is worrying so much about losing money that "
     "they never let it grow at all."},
    // Libra
    {{"Air", "6 & 9", "Friday", "Aquarius and Gemini", "Opal",
      "You are the charming diplomat of the zodiac, Libra, graceful, fair-minded and easy to "
      "like. You have a gift for seeing every point of view, and you can soothe a heated "
      "argument with a few well-chosen words and a smile. Beauty matters to you, and you bring "
      "style and harmony to everything you touch, from your home to your friendships. You are "
      "a wonderful partner and a true team player who believes that life is better when it is "
      "shared. With money, your sense of balance helps you weigh up options carefully, and "
      "your social skills open doors that stay closed for others.",
      "You can be famously indecisive, Libra. Choosing a restaurant may take longer than the "
      "meal itself, and picking a paint color could require a committee and three weekends. "
      "You hate conflict so much that you sometimes agree with everyone, which leaves people "
      "unsure what you really think. You can be a little vain and are easily swayed by a "
      "pretty face or a beautiful package. Saying no is hard for you, so your calendar fills "
      "up with favors you never wanted to do, and then you smile through them all."},
     "Venus", "Cardinal", "Blue",
     {2, 2, 1, 1, 1, 3, 2, 2, 1, 2, 1, 3},
     "Stephen King, Bruce Springsteen, Friedrich Nietzsche, Margaret Thatcher, Will Smith, Hugh Jackman",
     "Libra earns money most happily through people and beauty. This sign thrives in law, "
     "diplomacy, design, fashion, the arts, public relations and any partnership where charm "
     "and fairness are assets. Many Librans do best in a business shared with a trusted "
     "partner, where each side balances the other. Saving can be a struggle, since Venus, the "
     "ruler of Libra, has expensive taste, and lovely things have a habit of ending up in the "
     "shopping basket. Libra also tends to spend generously on others, on gifts, dinners and "
     "nights out with friends. As an investor, this sign weighs every option carefully and "
     "likes a well-balanced portfolio, though it may dither for months before committing. A "
     "trusted financial adviser can help Libra make the final decision."},
    // Scorpio
    {{"Water", "2 & 4", "Tuesday", "Cancer & Pisces", "Topaz",
      "You are the deep, magnetic mystery of the zodiac, Scorpio. Your emotions run like an "
      "underground river, powerful and silent, and your intuition can see straight through any "
      "mask. You are fiercely loyal, brave in a crisis and utterly determined once you have "
      "set your sights on a goal. People trust you with their secrets because they know you "
      "will keep them. You have a remarkable ability to transform yourself, rising from every "
      "setback stronger and wiser than before. In matters of money, you are strategic, "
      "discreet and surprisingly shrewd, with a talent for research and a knack for spotting "
      "value where others see only trouble. When you commit to something, you do it with your "
      "whole heart.",
      "You can be intensely secretive, Scorpio, and getting a straight answer out of you "
      "sometimes feels like cracking a safe. You test people before you trust them, and the "
      "tests can be long, subtle and entirely invisible to the poor souls taking them. "
      "Jealousy is never very far away, and you have a memory for slights that would impress "
      "an elephant. When someone crosses you, that famous sting may arrive months later, "
      "perfectly timed and beautifully aimed. You can also be controlling, preferring to hold "
      "all the cards yourself rather than let anyone else deal. Learning to forgive, or at "
      "least to forget a little, would make your life much lighter."},
     "Pluto and Mars", "Fixed", "Burgundy and Black",
     {2, 1, 3, 2, 3, 1, 3, 2, 2, 2, 3, 2},
     "Bill Gates, Claude Monet, Grace Kelly, Leonardo DiCaprio, Katy Perry, Hillary Clinton",
     "Scorpio approaches money with the focus of a detective. This sign is linked to shared "
     "resources, inheritances and other people's money, so it often does well in finance, "
     "insurance, tax, investigation, psychology, medicine and research. Scorpios tend to keep "
     "their financial affairs private and may have savings that nobody else knows about. They "
     "spend with intent rather than on a whim, although they will pay a great deal for "
     "quality, privacy or power. As investors, they are bold yet calculating, willing to take "
     "serious risks when their research supports it, and they have the nerve to hold firm "
     "when markets wobble. Debt and money disputes can become emotional battles for this "
     "sign, so clear agreements and a bit of generosity go a long way toward keeping the "
     "peace."},
    // Sagittarius
    {{"Fire", "5 & 7", "Thursday", "Aries & Leo", "Turquoise",
      "You are the adventurer and optimist of the zodiac, Sagittarius, forever aiming your "
      "arrow at a distant horizon. Your enthusiasm is boundless, your laugh is loud and your "
      "curiosity about the world seems to grow with each mile you travel. You love ideas, "
      "philosophies, foreign lands and the kind of late-night conversation that wanders from "
      "the meaning of life to the best street food around. You are honest to a fault, generous "
      "with your time and blessed with a sense of humor that can lift the gloomiest of rooms. "
      "Freedom is precious to you, and you give it just as readily to the people you love. "
      "Luck seems to follow you around like a friendly dog, and money often arrives in "
      "unexpected ways, through a chance meeting, a bold move or an opportunity that others "
      "did not even notice. Your faith that things will work out is contagious, and "
      "surprisingly often, you are right.",
      "You can be blunt to the point of tactlessness, Sagittarius. Your honesty is admirable, "
      "but telling someone their haircut looks like a bird's nest is perhaps not always "
      "necessary. You make big promises with the best intentions and then forget half of them "
      "when the next adventure calls. Routine bores you, details bore you more, and you may "
      "bolt the moment life starts to feel a little too settled. Your optimism can also lead "
      "you to overestimate how much is left in the bank."},
     "Jupiter", "Mutable", "Purple",
     {1, 3, 2, 1, 1, 3, 2, 1, 1, 3, 1, 3},
     "Ludwig van Beethoven, Mark Twain, Bruce Lee, Tina Turner, Steven Spielberg, Brad Pitt",
     "Sagittarius sees money as a ticket to freedom. This sign earns well in travel, "
     "publishing, education, law, sport, import and export, and any work that broadens "
     "horizons or lets it roam. Income can be irregular, with lean spells followed by sudden "
     "windfalls, which suits the Archer's optimistic nature more than it suits the bank "
     "manager. Saving does not come naturally, because there is always another journey to "
     "book, course to take or friend to treat. When investing, Sagittarius is a big-picture "
     "thinker drawn to foreign markets and exciting trends, and it sometimes gambles on a "
     "hunch. A solid emergency fund and a few boring, automatic investments give this "
     "adventurous sign a safe base camp to return to."},
    // Capricorn
    {{"Earth", "8, 2", "Saturday", "Taurus & Virgo", "Garnet",
      "You are the patient climber of the zodiac, Capricorn, steady, ambitious and wiser than "
      "your years. You set long-term goals and work toward them one careful step at a time, "
      "and you rarely give up until you have reached the summit. Responsibility does not "
      "frighten you; in fact, you often carry more of it than anyone realizes. Your dry, "
      "understated humor catches people by surprise, and your loyalty is as solid as the "
      "mountains you love to climb. With money, you are disciplined, strategic and well "
      "organized, and you understand that real wealth is built over decades rather than days. "
      "You are the person everyone wants in charge when things get serious.",
      "You can be a little too serious, Capricorn. Work has a habit of swallowing your "
      "evenings, your weekends and occasionally your birthday. You may judge people by their "
      "status or achievements, and you can come across as cool or distant until someone earns "
      "your trust. Pessimism creeps in when plans go wrong, and relaxing without a to-do list "
      "can feel almost like breaking the rules."},
     "Saturn", "Cardinal", "Brown",
     {3, 1, 3, 3, 3, 1, 3, 3, 3, 1, 3, 1},
     "Joan of Arc, Benjamin Franklin, J. R. R. Tolkien, Muhammad Ali, Michelle Obama, Denzel Washington, Rod Stewart",
     "Capricorn is the great builder of wealth in the zodiac. Ruled by Saturn, the planet of "
     "time and discipline, this sign earns its money through hard work, steady promotion and "
     "a long-term plan that it actually sticks to. Capricorns are at home in business, "
     "management, banking, government, engineering and any field with a clear ladder to "
     "climb, and many of them eventually run the company they once joined as juniors. Saving "
     "is almost second nature, and they often set aside a fixed portion of every paycheck "
     "without a moment's hesitation. Spending is careful and considered, though they will "
     "invest in quality items and status symbols that signal success, such as a fine watch or "
     "a well-cut suit. As investors, Capricorns are patient and conservative, favoring "
     "blue-chip shares, property and pension plans that grow quietly over the years. Their "
     "fortunes often improve with age, and some of them are at their most prosperous late in "
     "life."},
    // Aquarius
    {{"Air", "1, 7", "Wednesday", "Taurus & Virgo", "Amethyst",
      "You are the original thinker of the zodiac, Aquarius, inventive, open-minded and "
      "refreshingly unconventional. You see the future before most people have finished "
      "reading about the present, and you are happy to march to your own drum. Friendship "
      "matters enormously to you, and you treat everyone as an equal, whatever their "
      "background. Your ideals are high and your heart is in the right place. With money, you "
      "are experimental and willing to try new tools, new platforms and new ways of earning "
      "that others have not yet imagined.",
      "You can be stubbornly contrary, Aquarius, disagreeing with an idea simply because "
      "everyone else likes it. You may seem detached or aloof, more comfortable discussing the "
      "fate of humanity than the feelings of the person in front of you. Your independence is "
      "precious, but it can make you hard to pin down, and your plans sometimes change the "
      "moment anyone expects them."},
     "Uranus and Saturn", "Fixed", "Violet",
     {2, 2, 1, 1, 2, 3, 3, 2, 2, 3, 2, 2},
     "Galileo Galilei, Charles Dickens, Thomas Edison, Rosa Parks, Bob Marley, Oprah Winfrey",
     "Aquarius treats money as a tool for freedom and for making the world a little better. "
     "This sign earns well in technology, science, innovation, social causes, broadcasting "
     "and any workplace that welcomes fresh ideas. Many Aquarians are happiest freelancing or "
     "working in unusual ways that leave room for independence. Their spending can be "
     "unpredictable: modest for months, then suddenly generous on a gadget, a cause or a "
     "friend in need. Saving is easier when the goal connects to a personal dream. As "
     "investors, they are early adopters, curious about new technologies, ethical funds and "
     "emerging markets, which can bring impressive gains or memorable lessons. Balancing the "
     "experiments with a steady core portfolio keeps the Water Bearer on solid ground."},
    // Pisces
    {{"Water", "2, 6", "Friday", "Taurus & Virgo", "Aquamarine",
      "You are the gentle dreamer of the zodiac, Pisces, kind, imaginative and deeply "
      "compassionate. You feel the joys and sorrows of others as if they were your own, and "
      "your empathy makes people feel understood in a way that few can manage. Your creativity "
      "flows like water, finding its way into music, art, stories and the small kindnesses you "
      "scatter through each day. You are adaptable, forgiving and spiritually wise, often "
      "sensing truths that logic would miss. With money, your intuition can be a quiet guide, "
      "and you have a real gift for earning through creative or healing work. The world is "
      "softer and more magical with you in it.",
      "You can be a little too dreamy, Pisces. Reality sometimes feels like an unwelcome "
      "guest, so you drift off into daydreams just when the bills need paying. You find it "
      "hard to say no, which makes you an easy target for anyone with a sad story and an empty "
      "wallet. Deadlines slip through your fingers like water, and you may avoid difficult "
      "conversations by simply swimming away until the storm has passed."},
     "Neptune and Jupiter", "Mutable", "Sea green",
     {1, 3, 1, 1, 2, 3, 2, 1, 1, 2, 1, 3},
     "George Washington, Frederic Chopin, Elizabeth Taylor, Johnny Cash, Steve Jobs, Rihanna",
     "Pisces has a fluid relationship with money, which can flow in and out with equal ease. "
     "This sign often earns through creative, spiritual or caring work, such as art, music, "
     "film, photography, healing, therapy and charity, where its imagination and empathy are "
     "real assets. Budgets and spreadsheets tend to feel dull, so bills may be paid late and "
     "accounts left unchecked. Generosity is a strength and a risk, as Pisces lends freely "
     "and rarely asks for repayment. When investing, this sign may follow a hunch, and "
     "occasionally the hunch is brilliant. A trusted partner or adviser who handles the "
     "practical details can help Pisces keep its treasure afloat."},
}};
