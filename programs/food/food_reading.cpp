#include "programs/food/food_reading.h"

#include "programs/food/food_texts.h"

#include <array>

namespace {

// The short items of each sign, in zodiac order, exactly as shown.
struct FoodShortItems
{
    const char *pizza;
    const char *snacks;
    const char *cocktails;
    const char *iceCream;
    const char *foodForSoul;
    const char *recipeName;
};

constexpr std::array<FoodShortItems, kSignCount> kFoodShortItems{{
    {"Spicy Pepperoni Pizzas with Garlic and Onions", "Wasabi Peas", "Vodka, Scotch",
     "Chocolate Chip Cookie", "Lamb Chops, Hot Sauce, Everything Grilled", "Beet Salad"},
    {"Extra Cheese with a Thick Crust", "Peanut Butter Crackers", "Beer",
     "Creamy Gelato, Chocolate Ice Cream with Nuts", "Mashed Potatoes, Beans ",
     "Dark Chocolate Fudge"},
    {"Thin Crust with Pepper, Olives and Onions", "Chips, Nuts", "White Wine Spritzer",
     "Chocolate Chip, Strawberry Cheesecake", "Ribs, Vegetable Salads",
     "Focaccia and Gorgonzola with Roasted Garlic"},
    {"Low fat Cheese with Mushrooms", "Potato Chips", "Tequilla", "Vanilla Swiss Almond",
     "Crabs, Soups, Broths", "Egg Devils"},
    {"Meaty with Ham, Sausage or Bacon ", "Cheese Balls",
     "Classic Cocktails like Lemon Drop Martini, Cadillac Margarita",
     "All Chocolate & Coffee Ice Creams", "Bread, Biscuits", "Lemon Shrimp and Spinach"},
    {"Soy Cheese with Vegetables", "Soya Nuts", "Specialty Wines, Beers", "Butter Pecan",
     "Bread, Biscuits", "Apple Fritters"},
    {"Pineapple with Pepperoni", "Pop Corn", "Beer, Champagne", "Black Raspberry Chip",
     "Pies, Cakes", "Bacon-Corn Chowder"},
    {"Seafood with Olives and Mushrooms", "Black Olives", "Dark Wines, Scotch",
     "Mocha Almond Fudge", "Pork", "Lime and Ginger Lamb Chops"},
    {"Hot Pepper Sauce with Red Chilly Flakes", "Tortilla Chips", "Punch, Iced Tea",
     "Super Fudge Chunk", "Chicken", "Cool Cucumber Rice"},
    {"Sliced Tomatoes with Black Olives", "Nuts", "Martinis, Gin", "Strawberries & Cream",
     "Green Leafy Vegetables", "Grilled Red Snapper with Lemon"},
    {"Variety of Sauces", "Pumpkin Seeds", "Champagne", "Irish Cream", "Oatmeal, Rice",
     "Mock-Cocktail ( Holiday Lemonade)"},
    {"Seafood Toppings with Anchovies", "Banana Chips", "Rum, Wine", "Mint Chocolate Chip",
     "Fish", "Cucumber Caviar Canapes"},
}};

} // namespace

FoodReading BuildFoodReading(SunSign sign)
{
    const auto index = static_cast<std::size_t>(SignIndex(sign));
    const FoodShortItems &items = kFoodShortItems[index];
    const FoodLongTexts &texts = kFoodLongTexts[index];
    return FoodReading{
        SignName(sign),
        QString::fromLatin1(items.pizza),
        QString::fromLatin1(items.snacks),
        QString::fromLatin1(items.cocktails),
        QString::fromLatin1(items.iceCream),
        QString::fromLatin1(items.foodForSoul),
        QString::fromLatin1(texts.eatingHabits),
        QString::fromLatin1(items.recipeName),
        QString::fromLatin1(texts.ingredients),
        QString::fromLatin1(texts.preparation),
    };
}
