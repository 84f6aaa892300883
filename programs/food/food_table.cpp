// SPDX-License-Identifier: GPL-3.0-or-later
#include "programs/food/food_reading.h"

// One row a sign, in zodiac order: its dishes and drinks exactly as shown, the
// paragraph about the sign's taste in food, and its recipe: name, one line of
// comma-separated quantities and items, and one paragraph of instructions. The
// texts are kept free of line breaks, except for the blank line between the two
// Aries steps. Plain ASCII, so they survive any 8-bit code page.
const SignTable<FoodRow> kFoodTable{{
    // Aries
    {{"Spicy Pepperoni Pizzas with Garlic and Onions", "Wasabi Peas", "Vodka, Scotch",
      "Chocolate Chip Cookie", "Lamb Chops, Hot Sauce, Everything Grilled"},
     "Aries is quite adventurous about trying out new and exotic food. The Ram is the "
     "first to order the dish nobody at the table can pronounce, and the first to ask "
     "for extra chili. Bold flavors, bright colors and a little heat suit this fiery "
     "sign, and so does speed: Aries would rather eat something quick and snappy than "
     "wait an hour for a slow roast, however tender it is.",
     "Beet Salad",
     "4 medium beets, 2 tablespoons olive oil, 1 tablespoon red wine vinegar, 1 teaspoon "
     "clear honey, 1 small red onion, 1/2 cup crumbled feta, salt and pepper",
     "Scrub the beets, wrap them in foil and roast at 400 degrees for about an hour, "
     "until tender. Let them cool, then slip off the skins and cut them into wedges. "
     "Whisk the olive oil, vinegar and honey together with a pinch of salt and pepper. "
     "Slice the onion thinly and toss it with the beets and the dressing, then scatter "
     "the feta over the top.\n\n"
     "Chill the salad in freeze and serve."},
    // Taurus
    {{"Extra Cheese with a Thick Crust", "Peanut Butter Crackers", "Beer",
      "Creamy Gelato, Chocolate Ice Cream with Nuts", "Mashed Potatoes, Beans "},
     "Taurus is the true gourmet of the zodiac, ruled by Venus and devoted to the "
     "pleasures of the table. The Bull likes food that is rich, honest and generous, "
     "served in comfortable portions in a pleasant setting. Sweet butter, fresh bread, "
     "ripe cheese and anything made of chocolate will win this sign's heart. Taurus "
     "does not care for fads or fuss; a classic dish made with care will always beat a "
     "clever one made in a hurry.",
     "Dark Chocolate Fudge",
     "3 cups dark chocolate chips, 1 can (14 oz) sweetened condensed milk, 2 tablespoons "
     "butter, 1 teaspoon vanilla extract, 1/2 cup pecans, a pinch of sea salt",
     "Line an eight-inch square pan with buttered foil. In a heavy saucepan over low "
     "heat, melt the chocolate chips with the condensed milk and the butter, stirring "
     "until the mixture is smooth and glossy. Take the pan off the heat and stir in the "
     "vanilla, the salt and the pecans. Spread the fudge evenly in the pan and chill it "
     "for two hours, until firm. Lift it out and cut it into small squares."},
    // Gemini
    {{"Thin Crust with Pepper, Olives and Onions", "Chips, Nuts", "White Wine Spritzer",
      "Chocolate Chip, Strawberry Cheesecake", "Ribs, Vegetable Salads"},
     "Gemini loves variety more than any single dish. The Twins would happily make a "
     "meal of little bites, a taste of this and a nibble of that, chatting all the "
     "while. Finger food, tapas and anything that can be shared suit this curious sign "
     "nicely. Gemini gets bored with the same menu twice, so surprise this airy friend "
     "with something new.",
     "Focaccia and Gorgonzola with Roasted Garlic",
     "1 loaf focaccia, 2 whole heads garlic, 3 tablespoons olive oil, 6 ounces "
     "gorgonzola, fresh rosemary",
     "Heat the oven to 400 degrees. Slice the top off each head of garlic, set them on "
     "foil, drizzle with a spoonful of olive oil and wrap them tightly. Roast the heads "
     "for about forty minutes, until the cloves are soft and golden. Meanwhile cut the "
     "focaccia into thick fingers, brush them with the rest of the oil and toast them "
     "in the oven for the last few minutes. Squeeze the warm garlic onto the bread, "
     "crumble the gorgonzola over it and finish with a little chopped rosemary."},
    // Cancer
    {{"Low fat Cheese with Mushrooms", "Potato Chips", "Tequilla",
      "Vanilla Swiss Almond", "Crabs, Soups, Broths"},
     "Cancer is a homebody who finds the deepest comfort in familiar food. The Crab "
     "loves the dishes of childhood, the recipes of a grandmother, and anything served "
     "at a family table. Soups, stews and picnic treats all please this caring sign. "
     "Cancer likes feeding others even more than eating, and nobody leaves its kitchen "
     "hungry.",
     "Egg Devils",
     "6 large eggs, 3 tablespoons mayonnaise, 1 teaspoon Dijon mustard, 1 teaspoon "
     "white vinegar, salt and pepper to taste, smoked paprika",
     "Bring the eggs to a boil in cold water, then rest them off the heat for ten "
     "minutes. Cool and peel them. Halve them lengthwise and scoop the yolks into a "
     "bowl. Mash the yolks with the mayonnaise, mustard, vinegar, salt and pepper, then "
     "spoon the filling back into the whites and dust with paprika."},
    // Leo
    {{"Meaty with Ham, Sausage or Bacon ", "Cheese Balls", "Classic Cocktails like Lemon Drop Martini, Cadillac Margarita",
      "All Chocolate & Coffee Ice Creams", "Bread, Biscuits"},
     "Leo dines like royalty and expects a little ceremony with every meal. The Lion "
     "enjoys a grand table, candles, good wine and a dish that looks as splendid as it "
     "tastes. This sunny sign loves golden colors and zesty flavors, and is never shy "
     "about asking for the best seat. Leo is also a lavish host who loves to treat "
     "friends.",
     "Lemon Shrimp and Spinach",
     "1 pound large shrimp, 2 tablespoons butter, 2 tablespoons olive oil, 3 cloves "
     "garlic, 1 lemon (zest and juice), 6 cups fresh baby spinach, 1/4 teaspoon red "
     "pepper flakes, salt and freshly ground black pepper",
     "Peel and devein the shrimp and pat them dry. Mince the garlic, then zest and "
     "juice the lemon. Heat the olive oil and half the butter in a large skillet over "
     "medium-high heat. Add the shrimp and cook for about two minutes on each side, "
     "until pink, then lift them out onto a plate. Reduce the heat, add the rest of the "
     "butter, the garlic and the pepper flakes, and stir for a minute. Pile in the "
     "spinach and toss until it just wilts. Return the shrimp with the lemon juice and "
     "zest, season with salt and pepper, and serve at once."},
    // Virgo
    {{"Soy Cheese with Vegetables", "Soya Nuts", "Specialty Wines, Beers",
      "Butter Pecan", "Bread, Biscuits"},
     "Virgo takes food seriously and reads every label. The Virgin likes meals that are "
     "fresh, wholesome and neatly prepared, with clean flavors and nothing greasy. This "
     "earthy sign often knows a lot about nutrition and enjoys home cooking, where "
     "every ingredient can be checked. Yet Virgo also has a soft spot for a simple, "
     "homemade treat, as long as the kitchen is spotless afterwards.",
     "Apple Fritters",
     "2 apples, 1 cup flour, 1 tablespoon sugar, 1 1/2 teaspoons baking powder, 1/2 teaspoon "
     "cinnamon, 1/4 teaspoon salt, 1 large egg, 1/2 cup milk, oil for frying, powdered "
     "sugar",
     "Peel, core and chop the apples. Mix the dry ingredients in a bowl. Beat the egg "
     "with the milk, stir it in and fold in the apples. Heat the oil to 375 degrees and "
     "drop in spoonfuls of batter, frying them for three or four minutes until golden "
     "on both sides. Drain on paper towels and dust with powdered sugar."},
    // Libra
    {{"Pineapple with Pepperoni", "Pop Corn", "Beer, Champagne",
      "Black Raspberry Chip", "Pies, Cakes"},
     "Libra enjoys food as one of the graces of life, and a meal is never just fuel for "
     "this charming sign. The Scales want balance on the plate, a little sweet against "
     "a little salt, and a table laid with flowers and fine dishes. Libra rarely eats "
     "alone by choice; good company is half the flavor. Deciding what to order can take "
     "a while, so be patient with this gentle friend.",
     "Bacon-Corn Chowder",
     "6 slices bacon, 1 onion, 2 potatoes, 3 cups sweet corn, 2 cups chicken broth, 2 cups "
     "milk, 1/2 teaspoon thyme, salt and pepper to taste, fresh chives",
     "Fry the bacon in a large pot until crisp, then lift it out and crumble it. Chop "
     "the onion and cook it in the bacon fat until soft. Peel and dice the potatoes and "
     "add them with the broth and thyme. Simmer for fifteen minutes, until tender. Stir "
     "in the corn and the milk and heat gently. Season with salt and pepper and serve "
     "topped with the bacon and chives."},
    // Scorpio
    {{"Seafood with Olives and Mushrooms", "Black Olives", "Dark Wines, Scotch",
      "Mocha Almond Fudge", "Pork"},
     "Scorpio likes food with depth and a touch of mystery. The Scorpion is drawn to "
     "strong, complex flavors: hot spices, smoky sauces, dark coffee and dishes that "
     "keep a secret or two. This intense water sign would rather have one memorable "
     "meal than a dozen ordinary ones. Scorpio often has a favorite restaurant it keeps "
     "all to itself, and it tends to eat with real passion.",
     "Lime and Ginger Lamb Chops",
     "8 lamb rib chops, 2 limes (zest and juice), 1 tablespoon grated fresh ginger, 1 clove "
     "garlic, 1 tablespoon olive oil, 1 tablespoon honey, salt and black pepper",
     "Mix the lime zest and juice with the ginger, crushed garlic, olive oil and honey. "
     "Season the chops with salt and pepper, coat them in the marinade and chill them "
     "for an hour. Grill or broil the chops for three or four minutes on each side, "
     "until browned but still pink inside."},
    // Sagittarius
    {{"Hot Pepper Sauce with Red Chilly Flakes", "Tortilla Chips", "Punch, Iced Tea",
      "Super Fudge Chunk", "Chicken"},
     "Sagittarius eats like a traveler, always curious about the dishes of faraway "
     "places. The Archer enjoys street food, spicy curries and anything eaten outdoors, "
     "and is happy to sit down at a long shared table with strangers. This merry fire "
     "sign loves big portions and a relaxed mood. Sagittarius will try almost anything "
     "once and usually come back for seconds.",
     "Cool Cucumber Rice",
     "2 cups cooked rice, 1 big cucumber, 1/2 cup plain yogurt, 1 tablespoon lemon "
     "juice, 2 tablespoons chopped fresh mint, 1 green onion, salt and pepper",
     "Spread the cooked rice on a tray and let it cool completely. Peel and seed the "
     "cucumber, then dice it finely. Slice the green onion. In a large bowl, whisk the "
     "yogurt with the lemon juice, mint, salt and pepper. Add the rice, cucumber and "
     "onion and stir gently until everything is coated. Cover the bowl and chill it for "
     "at least an hour before serving."},
    // Capricorn
    {{"Sliced Tomatoes with Black Olives", "Nuts", "Martinis, Gin",
      "Strawberries & Cream", "Green Leafy Vegetables"},
     "Capricorn likes food that is traditional, sensible and of proven quality. The "
     "Goat is not one for fads, preferring good plain cooking and a well-run restaurant "
     "with a reputation to keep. This practical earth sign often eats simply through "
     "the week and saves a touch of luxury for the weekend.",
     "Grilled Red Snapper with Lemon",
     "4 red snapper fillets (about 6 ounces each), 2 lemons, 3 tablespoons olive oil, 2 cloves "
     "garlic, 2 tablespoons chopped parsley, 1/2 teaspoon dried oregano, salt and black "
     "pepper",
     "Rinse the snapper fillets and pat them dry. Grate the zest of one lemon and "
     "squeeze its juice into a shallow dish, then whisk in the olive oil, the minced "
     "garlic, the oregano and a good pinch of salt and pepper. Lay the fillets in the "
     "dish, turn them to coat both sides and leave them to marinate for twenty minutes. "
     "Meanwhile, heat the grill to medium-high and oil the grate well. Grill the "
     "fillets skin side down for four or five minutes, then turn them carefully with a "
     "wide spatula and cook for another three minutes, until the flesh is opaque and "
     "flakes easily with a fork. Cut the second lemon into wedges. Serve the snapper "
     "sprinkled with parsley, with lemon wedges on the side."},
    // Aquarius
    {{"Variety of Sauces", "Pumpkin Seeds", "Champagne",
      "Irish Cream", "Oatmeal, Rice"},
     "Aquarius approaches food like an experiment and loves whatever is new and "
     "unusual. The Water Bearer is the friend who tries the newest fusion cafe, orders "
     "the strangest item on the menu and then explains the science behind it. This "
     "original air sign often holds strong views on ethics and health. Regular "
     "mealtimes mean little to Aquarius, who may simply forget to eat when busy.",
     "Mock-Cocktail ( Holiday Lemonade)",
     "6 lemons, 1 cup sugar, 6 cups cold water, 1 cup cranberry juice, 2 oranges, fresh "
     "mint, 2 cups ginger ale, crushed ice",
     "Squeeze the lemons into a large pitcher. Add the sugar and a cup of warm water "
     "and stir until the sugar dissolves. Pour in the cold water and the cranberry "
     "juice. Slice the oranges into rings and drop them in with the mint. Chill for an "
     "hour, then add the ginger ale and serve over crushed ice in tall glasses."},
    // Pisces
    {{"Seafood Toppings with Anchovies", "Banana Chips", "Rum, Wine",
      "Mint Chocolate Chip", "Fish"},
     "Pisces is a dreamer at the table and eats as much with the heart as with the "
     "tongue. The Fish adores seafood, delicate flavors and meals served by candlelight "
     "with soft music. This gentle water sign is easily swayed by mood, and a romantic "
     "setting matters more to Pisces than the prices on the menu.",
     "Cucumber Caviar Canapes",
     "1 large cucumber, 4 ounces whipped cream cheese, 2 ounces lumpfish caviar",
     "Slice the cucumber into thin rounds and pat them dry. Spread each round with a "
     "little whipped cream cheese and top it with a tiny spoonful of caviar. Arrange "
     "the canapes on a platter and serve well chilled."},
}};
