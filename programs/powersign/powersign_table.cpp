// SPDX-License-Identifier: GPL-3.0-or-later
#include "programs/powersign/powersign_reading.h"

// Pluto in each sign, one row a sign, Aries first. Pluto did not pass through
// Aries, Taurus, Aquarius or Pisces in the years of birth the program accepts,
// so their descriptions stay empty. Plain ASCII.
const SignTable<PowerSignRow> kPowerSignTable{{
    // Aries
    {""},

    // Taurus
    {""},

    // Gemini
    {"You will take part in a lot of social issues. You are curious and quick witted, and you "
     "love to share new ideas with friends. Your words can change minds, so use them well and "
     "always keep an open ear."},

    // Cancer
    {"Family means a lot to you. You feel deeply and you protect your home and loved ones "
     "with great devotion. Old memories have a strong hold on you, yet you have the power to "
     "heal past wounds and start afresh."},

    // Leo
    {"Pluto can weaken the fiery attitude of the Leo sign. You still have a strong will and a "
     "creative spirit, but you learn to use your own power with more care. You want to leave "
     "your mark on the world, and with patience and warmth you can inspire others and lead "
     "them to great things."},

    // Virgo
    {"You care a lot about others. You have a sharp eye for detail and a wish to make things "
     "better. Work and health are important to you, and you are willing to change old habits "
     "when they no longer serve you or the people around you."},

    // Libra
    {"This combination can make your life a little livelier. You seek balance and justice in "
     "every relationship. Partnerships bring big changes to your life, and you learn that "
     "true harmony comes from honest talk rather than from keeping quiet."},

    // Scorpio
    {"This can be a hard time. Your feelings run deep and your will is very strong. You are "
     "drawn to the mysteries of life, and every crisis you live through leaves you wiser, "
     "braver and better able to start anew."},

    // Sagittarius
    {"This is a very conflicting combination. Here the planet pushes you to question every "
     "belief, while your heart yearns for freedom. Travel and study can transform you and "
     "broaden your view of things."},

    // Capricorn
    {"You will be able to organize things well. You are ambitious and patient, and you build "
     "success step by step. Rules and structures may change greatly during your lifetime."},

    // Aquarius
    {""},

    // Pisces
    {""},
}};

// Introduction shown at the top of the input window.
const char *const kPowerSignIntroduction =
    "Orla Zodiac Power Sign describes your characteristics based on the placement of Pluto "
    "in your birth chart. Pluto is the planet of changes and transformations. It moves "
    "slowly, staying in one sign for many years, so it shapes whole generations as well as "
    "the deep, hidden side of your own character. Enter your date of birth to find your "
    "power sign.";
