// SPDX-License-Identifier: GPL-3.0-or-later
#include "programs/fruit/fruit_reading.h"

// One row a fruit, in the order of the fruit list: its name as stored
// ("Paneapple" included), its picture file, what the picture shows in plain
// spelling for a screen reader, and what the fruit says about the reader, one
// paragraph. Plain ASCII, so it survives any 8-bit code page.
const std::array<FruitRow, kFruitCount> kFruitTable{{
    {"Apple", "01-apple", "An apple",
     "If you have a liking for the sweet and juicy apple, you are a cheerful soul who finds "
     "joy in small things. You are dependable and practical, and friends know they can count "
     "on you when plans go wrong. You like a tidy home, a steady routine and a good "
     "conversation over a cup of tea. Though you rarely push yourself into the limelight, "
     "your quiet confidence draws people to you. You are loyal in love and expect the same in "
     "return. At times you can be a bit stubborn, but your kind heart usually wins the "
     "argument. An apple a day keeps boredom away, and you always have a fresh idea ready."},

    {"Banana", "02-banana", "A banana",
     "Your compassionate nature and sympathetic understanding make you the person everyone "
     "turns to in a crisis. You listen with patience and never hurry to judge, which is why "
     "your friends trust you with their secrets. You are easygoing and playful, with a "
     "gentle, teasing sense of humor that can lift the gloomiest mood. You do not care much "
     "for fuss or show, and you are happiest among people who accept you as you are. "
     "Sometimes you give so much of yourself that you forget about your own needs, so "
     "remember to treat yourself now and then. Life with you is warm, relaxed and full of "
     "little surprises."},

    {"Black Grapes", "03-black-grapes", "Black grapes",
     "You are well known for your modesty and good manners. People admire the calm grace with "
     "which you handle every situation, whether it is a family dinner or a busy day at work. "
     "You have fine taste and an eye for quality, and you would rather own one beautiful "
     "thing than ten ordinary ones. You are thoughtful and a little reserved, but once you "
     "open up you are a truly wonderful friend with a sparkling wit. You enjoy art, music, "
     "old books and long evenings with close companions. Your patience is a gift, for like "
     "good wine you only get better with time."},

    {"Cherry", "04-cherry", "Cherries",
     "The round luscious cherries intrigue your mind, and so does almost everything else in "
     "life. You are curious, lively and full of charm, always eager to try a new place, a new "
     "dish or a new pastime. You love to be noticed and you have a natural talent for making "
     "an entrance. Underneath the sparkle you are tender and sentimental, and you keep old "
     "letters and faded photographs close to your heart. You can be impatient when things "
     "move too slowly, yet your enthusiasm is so catching that others gladly follow your "
     "lead. Romance matters to you, and you believe every day deserves a cherry on top."},

    {"Coconut", "05-coconut", "A coconut",
     "The coconut loving persons choose their friends with great care. You may seem tough on "
     "the outside, but inside you are sweet, gentle and deeply caring. You do not open up to "
     "just anybody, and those who earn your trust find a friend for life. You are hard "
     "working and self reliant, and you dislike asking for help even when you need it. You "
     "have a strong sense of fairness and will stand up for anyone who is treated badly. Your "
     "sense of humor is dry and clever, and it often surprises strangers. Give yourself a "
     "chance to relax in the sun now and then, because you deserve it."},

    {"Custard Apple", "06-custard-apple", "A custard apple",
     "You respect time honored values and ideas, and you believe that the old ways often hold "
     "the best wisdom. You are patient, sincere and thoughtful, and you never make a promise "
     "you cannot keep. Your family is the center of your world, and you love gatherings where "
     "several generations share stories and laughter. You are not easily swayed by passing "
     "fashions, yet you are far from dull, since your mind is rich with knowledge and your "
     "advice is always worth hearing. People might underestimate you at first, but they soon "
     "discover the sweetness beneath your calm exterior. You are a true treasure, slow to "
     "ripen and well worth the wait."},

    {"Mango", "07-mango", "A mango",
     "A mango lover with a deep affinity for the king of fruits is generous, warm and full of "
     "zest for life. You have big dreams and the energy to chase them, and you are rarely "
     "content with half measures. You love good food, bright colors and the company of lively "
     "friends. Your heart is open and your laughter is loud, so you are often the soul of the "
     "party. You can be a little proud and you do not like being told what to do, but you are "
     "fiercely loyal to those you love, and you never forget a kind deed. Summer is your "
     "season, and you carry its sunshine wherever you go, sharing it freely with everybody."},

    {"Orange", "08-orange", "An orange",
     "Those favoring orange over all other fruits are bright, sociable and bursting with "
     "energy. You love to be busy and you thrive on teamwork, where your cheerful spirit "
     "keeps everyone going. You are frank and straightforward, and you say what you think, "
     "though always with a friendly smile. You have a keen mind for practical matters and you "
     "are good at making plans work. New people fascinate you and you make friends easily "
     "wherever you travel. You may sometimes take on more than you can handle, so do learn to "
     "say no now and then. Your zest is infectious, and a day spent with you feels like a "
     "fresh glass of juice in the morning."},

    {"Paneapple", "09-pineapple", "A pineapple",
     "If you have a strong fascination for pineapple, you are a confident and independent "
     "person with a spirit of adventure. Like the fruit itself, you have a prickly side that "
     "protects a wonderfully sweet heart. You stand tall, hold your head high and are not "
     "afraid to be different. You enjoy travel, exotic food and people with stories to tell. "
     "You are generous with your time and you make a splendid host who never lets any guest "
     "leave hungry. Sometimes you hide your feelings behind a brave face, so let your loved "
     "ones see the softer you. With your bold style and warm welcome, you turn every "
     "gathering into a tropical holiday."},

    {"Papaya", "10-papaya", "A papaya",
     "If you love papaya best of all kinds of fruits, you are a gentle and caring soul with a "
     "healing touch. You like to look after others, and people feel better simply by being "
     "near you. You are sensible and well organized, yet you also have a dreamy side that "
     "loves poetry, nature and quiet strolls in the garden. You prefer harmony to conflict "
     "and you are skilled at making peace between friends. Health and wellbeing matter to "
     "you, and you are always ready with a helpful hint. Trust your own judgment more often, "
     "because your instincts are nearly always right."},

    {"Peach", "11-peach", "A peach",
     "Peach loving persons always look at the sunny side of life. You are sweet natured, "
     "optimistic and wonderfully easy to be with, even on a rainy day. You have a soft heart "
     "and a gentle voice, and you can calm a stormy room with a single smile. You value "
     "beauty in all its forms, from a well laid table to a kind word spoken at the right "
     "moment. You are romantic and you dream of a life full of love and comfort. Hard words "
     "can bruise you easily, so choose friends who treat you with the same care you show "
     "them. Your charm opens many doors, and your warmth makes sure that people remember you "
     "long after you leave."},

    {"Pear", "12-pear", "A pear",
     "You have a problem in concentrating in a specific task. Your mind just has too many "
     "interesting places to visit! You are imaginative, inventive and full of bright ideas, "
     "and you often start three projects before lunch. Routine bores you, but give you a new "
     "challenge and you shine. You are friendly and easygoing, and you get along with people "
     "from every walk of life. You have a gift for seeing connections that others miss, which "
     "makes you a natural problem solver. Try keeping a notebook handy to catch your thoughts "
     "before they fly away. Once you learn to finish what you begin, there is very little "
     "that you cannot achieve."},
}};
