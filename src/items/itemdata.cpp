#include "items/itemdata.h"

const std::array<const char *, NUM_ITEM_KINDS> item_names = {
    "This pocket is empty.", // 0
    "Level I Mages", // 1
    "Level II Mages", // 2
    "Level III Mages", // 3
    "Mage's Guide to Power", // 4
    "Level I Black Magick", // 5
    "Level II Black Magick", // 6
    "Level III Black Magick", // 7
    "Necromancer's Guide to Power", // 8
    "Level I Priests", // 9
    "Level II Priests", // 10
    "Level III Priests", // 11
    "High Priest's Guide to Power", // 12
    "Dictionary of 10000 Tongues", // 13
    "Acid Capsule", // 14
    "Poison Gas Capsule", // 15
    "Corpse", // 16
    "Mold of Major Cures", // 17
    "Mushroom of Cure Blindness", // 18
    "Mushroom of Cure Poison", // 19
    "Mushroom of First Aid", // 20
    "Mushroom of Hallucination", // 21
    "Mushroom of Restoration", // 22
    "Piece of Cheese", // 23
    "Slime Mold", // 24
    "Slime Mold Juice", // 25
    "Evil-Detector Stone", // 26
    "Friend-Detector Stone", // 27
    "Invisible-Detector Stone", // 28
    "Flask of Gunpowder", // 29
    "Jug of Oil", // 30
    "Lantern", // 31
    "Meat Cleaver", // 32
    "Rope", // 33
    "Scope", // 34
    "Bundle of Wood", // 35
    "Tent", // 36
    "Potion of Boldness", // 37
    "Potion of Heroism", // 38
    "Potion of Blindness", // 39
    "Potion of Poison", // 40
    "Potion of Cure Light Wounds", // 41
    "Potion of Cure Serious Wounds", // 42
    "Potion of Cure Critical Wounds", // 43
    "Potion of Healing", // 44
    "Potion of Cure Poison", // 45
    "Potion of Infravision", // 46
    "Potion of Detect Invisible", // 47
    "Potion of Gain Experience", // 48
    "Potion of Haste Self", // 49
    "Potion of Invulnerability", // 50
    "Potion of Invisibility", // 51
    "Potion of Restore Mana", // 52
    "Potion of Restoring", // 53
    "Scroll of Blessing", // 54
    "Scroll of Dispel Evil", // 55
    "Scroll of Dispel Undead", // 56
    "Scroll of Holy Chant", // 57
    "Scroll of Holy Prayer", // 58
    "Scroll of Protection", // 59
    "Scroll of Blindness", // 60
    "Scroll of Curse Weapon", // 61
    "Scroll of Darkness", // 62
    "Scroll of Destruction", // 63
    "Scroll of Detect Life", // 64
    "Scroll of Disfigure", // 65
    "Scroll of Fear", // 66
    "Scroll of Shield of Evil", // 67
    "Scroll of Summon Dragon", // 68
    "Scroll of Summon Monster", // 69
    "Scroll of Summon Undead", // 70
    "Scroll of Detect Invisible", // 71
    "Scroll of Detect Trap", // 72
    "Scroll of Enchant Armor", // 73
    "Scroll of Enchant Weapon", // 74
    "Scroll of Genocide", // 75
    "Scroll of Identify", // 76
    "Scroll of Magic Mapping", // 77
    "Scroll of Mass Genocide", // 78
    "Scroll of Phase Door", // 79
    "Scroll of Recharge", // 80
    "Scroll of Recover Body Part", // 81
    "Scroll of Remove Curse", // 82
    "Scroll of Teleportation", // 83
    "Scroll of Training", // 84
    "Scroll of Detect Monster", // 85
    "Scroll of Light", // 86
    "Scroll of Rune of Protection", // 87
    "Scroll of Sleep Monster", // 88
    "Wand of Acid Balls", // 89
    "Wand of Confuse", // 90
    "Wand of Clone Monster", // 91
    "Wand of Disarming", // 92
    "Wand of Dissolve", // 93
    "Wand of Drain Life", // 94
    "Wand of Fire Balls", // 95
    "Wand of Fire Bolts", // 96
    "Wand of Frost Bolts", // 97
    "Wand of Haste Monster", // 98
    "Wand of Heal Monster", // 99
    "Wand of Ice Balls", // 100
    "Wand of Light", // 101
    "Wand of Lightning Balls", // 102
    "Wand of Magic Missile", // 103
    "Wand of Pain", // 104
    "Wand of Polymorph", // 105
    "Wand of Slow Monster", // 106
    "Wand of Stinking Cloud", // 107
    "Wand of Teleport Other", // 108
    "Wand of Weakening", // 109
    "Wand of Wonder", // 110
};

const std::array<const char *, NUM_ITEM_KINDS> item_images = {
    "empty.png", // 0
    "magick1.png", // 1
    "magick2.png", // 2
    "magick3.png", // 3
    "magesguide.png", // 4
    "blackmagick1.png", // 5
    "blackmagick2.png", // 6
    "blackmagick3.png", // 7
    "necrosguide.png", // 8
    "priests1.png", // 9
    "priests2.png", // 10
    "priests3.png", // 11
    "highpriests.png", // 12
    "dictionary.png", // 13
    "acidcapsule.png", // 14
    "poisoncapsule.png", // 15
    "corpse.png", // 16
    "majorcures.png", // 17
    "shroomcureblindness.png", // 18
    "shroomcurepoison.png", // 19
    "shroomfirstaid.png", // 20
    "shroomhallucination.png", // 21
    "shroomrestoration.png", // 22
    "cheese.png", // 23
    "slimemold.png", // 24
    "slimemoldjuice.png", // 25
    "evildetector.png", // 26
    "frienddetector.png", // 27
    "invisibledetector.png", // 28
    "gunpowder.png", // 29
    "jugofoil.png", // 30
    "lantern.png", // 31
    "meatcleaver.png", // 32
    "rope.png", // 33
    "scope.png", // 34
    "wood.png", // 35
    "tent.png", // 36
    "flaskorange.png", // 37
    "flaskorange.png", // 38
    "flaskorange.png", // 39
    "flaskorange.png", // 40
    "flaskblue.png", // 41
    "flaskblue.png", // 42
    "flaskblue.png", // 43
    "flaskblue.png", // 44
    "flaskblue.png", // 45
    "flaskdarkblue.png", // 46
    "flaskdarkblue.png", // 47
    "flaskyellow.png", // 48
    "flaskred.png", // 49
    "flaskred.png", // 50
    "flaskred.png", // 51
    "flaskpink.png", // 52
    "flaskpink.png", // 53
    "scrollholy.png", // 54
    "scrollholy.png", // 55
    "scrollholy.png", // 56
    "scrollholy.png", // 57
    "scrollholy.png", // 58
    "scrollholy.png", // 59
    "scrollblack.png", // 60
    "scrollblack.png", // 61
    "scrollblack.png", // 62
    "scrollblack.png", // 63
    "scrollblack.png", // 64
    "scrollblack.png", // 65
    "scrollblack.png", // 66
    "scrollblack.png", // 67
    "scrollblack.png", // 68
    "scrollblack.png", // 69
    "scrollblack.png", // 70
    "scrollmagick.png", // 71
    "scrollmagick.png", // 72
    "scrollmagick.png", // 73
    "scrollmagick.png", // 74
    "scrollmagick.png", // 75
    "scrollmagick.png", // 76
    "scrollmagick.png", // 77
    "scrollmagick.png", // 78
    "scrollmagick.png", // 79
    "scrollmagick.png", // 80
    "scrollmagick.png", // 81
    "scrollmagick.png", // 82
    "scrollmagick.png", // 83
    "scrollmagick.png", // 84
    "scrollnormal.png", // 85
    "scrollnormal.png", // 86
    "scrollnormal.png", // 87
    "scrollnormal.png", // 88
    "wandgreen.png", // 89
    "wandwhite.png", // 90
    "wandwhite.png", // 91
    "wandpurple.png", // 92
    "wandorange.png", // 93
    "wandgreen.png", // 94
    "wandred.png", // 95
    "wandred.png", // 96
    "wandblue.png", // 97
    "wandwhite.png", // 98
    "wandwhite.png", // 99
    "wandblue.png", // 100
    "wandyellow.png", // 101
    "wandyellow.png", // 102
    "wandpurple.png", // 103
    "wandorange.png", // 104
    "wandlightblue.png", // 105
    "wandwhite.png", // 106
    "wandpurple.png", // 107
    "wandlightblue.png", // 108
    "wandorange.png", // 109
    "wandlightblue.png", // 110
};
