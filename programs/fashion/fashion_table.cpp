// SPDX-License-Identifier: GPL-3.0-or-later
#include "programs/fashion/fashion_reading.h"

namespace {

// The three sentences each style field chooses from, exactly as shown (the
// second boldness sentence has no full stop).
using Sentences = std::array<const char *, 3>;

constexpr Sentences kBoldness{
    "You are always willing to try out any outrageous outfit.",
    "You may think twice before trying out an outrageous outfit",
    "You will stick to what you feel comfortable in and are not willing to take risks."};
constexpr Sentences kTraditional{
    "You would prefer to wear traditional clothes.",
    "You believe in the traditional cuts and designs as far as clothes are concerned.",
    "You are not very particular about traditional stuff."};
constexpr Sentences kColorful{
    "You believe in wearing multi-colored clothes.",
    "You do not mind trying out various colors.",
    "You prefer a particular dull color."};
constexpr Sentences kCustomMade{
    "You prefer to have clothes made according to your specifications.",
    "You do not mind trying out ready made clothes or tailored ones, whichever is convenient.",
    "You don't have the patience to be measured for tailored clothes and ready made stuff is "
    "the way for you."};
constexpr Sentences kFrilly{
    "You love all the frills and laces that you can wear.",
    "You do not mind a lit frill and lace sometimes.",
    "You hate frills and fancy laces of any sort."};

} // namespace

// One row a sign, in zodiac order: the sentence each style field takes (in
// the order of FashionStyle: boldness, colorful, custom-made, traditional,
// frilly), the preferred and the undesirable colours, and how the sign
// dresses and shops (Leo's in two paragraphs split by "\n\n"). Plain ASCII,
// so it survives any 8-bit code page.
const SignTable<FashionRow> kFashionTable{{
    // Aries
    {{kBoldness[0], kColorful[1], kCustomMade[2], kTraditional[0], kFrilly[2]},
     "Red", "Beige and White",
     "Aries dresses the way Aries does everything else: fast, loud and with total confidence. "
     "People born under the Ram will try on the most outrageous outfit in the shop just to see "
     "the look on everyone's faces, and more often than not they walk out wearing it. Red is "
     "their colour, from a scarlet jacket to a pair of cherry trainers, while beige and plain "
     "white leave them cold. Frills, bows and fussy trimmings are out of the question. Aries "
     "has no patience for fittings or alterations either, so ready-made clothes that can be "
     "bought, worn and shown off the same afternoon suit them perfectly."},
    // Taurus
    {{kBoldness[2], kColorful[2], kCustomMade[0], kTraditional[1], kFrilly[0]},
     "Royal Blue", "Purple",
     "Taurus will never suffer for fashion. Comfort comes first, and the Bull chooses soft "
     "wool, brushed cotton and silk that feels lovely against the skin. Yet comfort does not "
     "mean sloppy: Taurus loves well-tailored clothes, cut to fit and built to last, trimmed "
     "with a little lace or a gentle frill. Royal blue is a great favourite. They shop slowly, "
     "stroking every fabric, and happily pay a little extra for quality."},
    // Gemini
    {{kBoldness[0], kColorful[0], kCustomMade[2], kTraditional[0], kFrilly[2]},
     "Latest Color in Fashion", "Orange",
     "Gemini gets bored with a wardrobe almost as soon as it is hung up, so the Twins are "
     "always on the lookout for something new. They dress boldly and love a riot of colours in "
     "one outfit, and whatever shade the magazines have just declared the colour of the season, "
     "Gemini is already wearing it. They shop on impulse, often on the way to somewhere else, "
     "and prefer ready-made pieces they can take home at once. Frills and ruffles only slow "
     "them down, so clean, clever lines and a witty accessory or two are more their style."},
    // Cancer
    {{kBoldness[2], kColorful[1], kCustomMade[1], kTraditional[1], kFrilly[0]},
     "Blue and Green", "Purple",
     "Cancer likes clothes that feel like a warm hug. The Crab's wardrobe is full of "
     "comfortable, well-loved pieces in traditional cuts: the classic cardigan, the pleated "
     "skirt, the good old shirt that has been mended twice and will be mended again. Soft blues "
     "and sea greens remind them of the water they love, and a touch of lace or a pretty frill "
     "at the collar makes them smile. Cancerians are sentimental shoppers who keep a garment "
     "for the memories attached to it, and they often return to the same small shop where the "
     "owner knows their name. Vintage markets and family hand-me-downs are treasure troves to "
     "them, and a grandmother's brooch can still be the finishing touch to their favourite "
     "outfit."},
    // Leo
    {{kBoldness[0], kColorful[0], kCustomMade[0], kTraditional[2], kFrilly[1]},
     "Orange, Red, Yellow ", "Green, White",
     "Leo does not so much get dressed as make a grand entrance. Born under the Lion and ruled "
     "by the Sun, these people simply want to be noticed, and their clothes are picked to make "
     "sure they are. They dress boldly and colourfully, reaching for the glowing, warm shades "
     "of a summer sunset: bright orange, rich red and golden yellow. A Leo outfit is never "
     "dull, beige or timid, and it is certainly not traditional; the old rules of what goes "
     "with what were made for other people to obey.\n\n"
     "Still, the Lion is no slob. Leo insists on tailored clothes that fit like a glove, "
     "because a truly royal look depends on a flawless line. They will happily pay a good "
     "tailor to get the shoulders and the hem exactly right. When Leo goes shopping it is an "
     "event, ideally in the grandest store in town, with attentive staff and a very big mirror. "
     "They love a compliment and will buy the piece that earns the most of them. Golden "
     "jewellery, a dramatic hat or a bright silk scarf will finish the look, and then the Lion "
     "is ready to greet the admiring crowd."},
    // Virgo
    {{kBoldness[2], kColorful[2], kCustomMade[0], kTraditional[1], kFrilly[1]},
     "Brown", "Red, Black",
     "Virgo chooses clothes with a careful eye and a practical mind. Comfort matters a great "
     "deal, but so does neatness, so Virgo prefers tailored pieces that sit just right, with no "
     "loose threads or crooked seams. Their wardrobe leans towards quiet, earthy shades, and "
     "brown is a steady favourite along with other muted, sensible colours. Virgos shop with a "
     "list, read every label and check every stitch before they buy anything."},
    // Libra
    {{kBoldness[1], kColorful[1], kCustomMade[0], kTraditional[1], kFrilly[1]},
     "Olive Green", "Orange, Red",
     "Libra has a natural eye for beauty and harmony, and it shows in every outfit. Ruled by "
     "Venus, these people love to look good, but they always think twice before trying anything "
     "too outrageous; balance matters more to Libra than shock. They favour elegant, tailored "
     "clothes with graceful lines, and olive green is a colour they wear remarkably well. "
     "Shopping with a Libra takes time, because they weigh every option and hold up two almost "
     "identical jackets for an age before deciding. They like to bring a friend along for a "
     "second opinion, and then usually ask a third. Once they have chosen, though, the result "
     "is always charming, well matched and quietly admired by everyone in the room."},
    // Scorpio
    {{kBoldness[1], kColorful[1], kCustomMade[1], kTraditional[2], kFrilly[1]},
     "Brick Red, Black", "Yellow",
     "Scorpio dresses to intrigue. People of this sign give away very little, and their clothes "
     "keep a few secrets too. They always think twice before wearing anything too outrageous, "
     "preferring a look that hints rather than shouts, yet they have no love for the "
     "traditional either. Black is their natural choice, deep brick red a close second, often "
     "worn together for a touch of mystery. Scorpios shop alone, with purpose, and know "
     "exactly what they want. Once a piece has passed their test, it stays in the wardrobe for "
     "years."},
    // Sagittarius
    {{kBoldness[0], kColorful[0], kCustomMade[2], kTraditional[0], kFrilly[2]},
     "Emerald", "Blue",
     "Sagittarius is always half packed for the next adventure, and that restless spirit shapes "
     "the Archer's wardrobe. They dress boldly, mixing bright colours and patterns picked up on "
     "their travels, and emerald green is a shade they come back to time and again. Their "
     "clothes have to keep up with them, so they must be easy to wear, quick to pull on and "
     "free of frills or fussy details that might catch on a branch or a suitcase zip. "
     "Sagittarians buy ready-made and on the spot, often in a market on the far side of the "
     "world, and they would rather spend their money on a plane ticket than on a long visit to "
     "a tailor. Their favourite pieces all come with a story attached: the poncho from the "
     "mountains, the scarf from a bazaar, the boots that have walked three continents and still "
     "have miles left in them."},
    // Capricorn
    {{kBoldness[2], kColorful[2], kCustomMade[0], kTraditional[1], kFrilly[0]},
     "Navy Blue", "Purple",
     "Capricorn dresses for the position it means to reach. The Goat likes clothes that are "
     "comfortable enough for a long working day and tailored well enough to impress the board. "
     "Navy blue is the backbone of the wardrobe, always smart and never out of place. Beneath "
     "that serious surface there is a softer side, and many Capricorns secretly enjoy a lace "
     "trim or a neat frill at the cuff. They shop rarely but wisely, buying classic pieces of "
     "real quality and expecting them to last for many years."},
    // Aquarius
    {{kBoldness[0], kColorful[0], kCustomMade[2], kTraditional[0], kFrilly[2]},
     "Black", "Beige",
     "Aquarius never dresses to fit in. The Water Bearer's style is bold and original, mixing "
     "many colours in combinations nobody else would dare, then anchoring the whole thing with "
     "a sharp piece of black. They buy ready-made, often second-hand or from an odd little shop "
     "online, and they have no time for frills. They love futuristic fabrics, clashing prints "
     "and anything with a twist. Aquarius likes clothes that make a point, and the point is "
     "usually that they are one of a kind."},
    // Pisces
    {{kBoldness[1], kColorful[0], kCustomMade[2], kTraditional[2], kFrilly[0]},
     "Pink", "Red",
     "Pisces dresses as if stepping out of a daydream. The Fish are gentle souls who think "
     "twice before wearing anything too outrageous, yet they have never cared much for "
     "traditional styles, and their wardrobe floats somewhere between a fairy tale and an art "
     "gallery. Soft, flowing fabrics in many colours are their delight, with pink the dearest "
     "of all, and they adore a lacy hem or a cascade of frills. Pisceans buy ready-made, "
     "usually on a whim, because a dress caught their eye in a window and seemed to call out to "
     "them. They are easily moved by a sad story from a shop assistant and may leave with more "
     "than they planned. Their wardrobes are a happy muddle of colours and textures, and "
     "somehow they always look enchanting."},
}};
