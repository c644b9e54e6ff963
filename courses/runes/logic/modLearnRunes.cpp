// Built-in rune texts and the tables that the rune lessons and quizzes read from.
#include "courses/runes/logic/modLearnRunes.h"

namespace modLearnRunes {

std::array<QString, RuneCount> StoneNames;
std::array<QString, RuneCount> UprightMeanings;
std::array<QString, RuneCount> ReversedMeanings;
std::array<QString, RuneCount> MerkstaveMeanings;
std::array<QString, RuneCount * KeywordsPerRune> StoneKeywords;
std::array<QString, RuneCount * AlternativeNamesPerRune> AlternativeNames;

namespace {

// Everything known about one rune. A reversible rune reads the same when merkstave as when
// reversed, so its block points both fields at one constant; the seven runes that look the
// same upside down carry a note in place of a reversed reading and a merkstave text of their own.
struct RuneText {
    const char* name;
    std::array<const char*, KeywordsPerRune> keywords;
    std::array<const char*, AlternativeNamesPerRune> alternativeNames;
    const char* upright;
    const char* reversed;
    const char* merkstave;
};

// ---- First Aett ----

constexpr char FehuReversed[] =
    "There may be a loss of property, money or self-esteem. Greed, failure and frustration are "
    "possible; look at what you truly value before chasing more.";
constexpr RuneText Fehu{
    "Fehu", {"Wealth", "Mobility", "Fulfillment", "Intuition"}, {"Faihu", "Foeh", "Fe"},
    "The meaning of the rune is 'cattle', the movable wealth of the old northern farmer. It "
    "stands for money, possessions and the earnings that come from honest work. The Old English "
    "rune poem says wealth must be shared freely by anyone who wants honor, while the Norwegian "
    "poem warns that it breeds strife among kinsmen.\r\n"
    "This rune may be linked to Frey or Freya, the Vanir gods of plenty. Read further, it speaks "
    "of energy set in motion, of hopes fulfilled and of trusting the intuition that tells you "
    "when to act.",
    FehuReversed, FehuReversed};

constexpr char UruzReversed[] =
    "Strength is misdirected or weak. There may be illness, lack of drive or a missed "
    "opportunity. Brutality, or being dominated by others, is also possible.";
constexpr RuneText Uruz{
    "Uruz", {"Beginnings", "Spirituality", "Opportunity", "Harmony"}, {"Uraz", "Uros", "Ur"},
    "The literal meaning of this rune is the aurochs, the great wild ox of the European forests, "
    "a proud and savage beast that fought with its horns. It stands for raw physical strength, "
    "stamina and good health.\r\n"
    "In a deeper reading Uruz marks a new beginning in which untamed energy is shaped into "
    "purpose. An opportunity is at hand, and meeting it with courage brings body and spirit "
    "into harmony.",
    UruzReversed, UruzReversed};

constexpr char ThurisazReversed[] =
    "There is danger and defenselessness. A hasty decision may cause regret; beware of malice, "
    "spite and people who would do you harm.";
constexpr RuneText Thurisaz{
    "Thurisaz", {"Protection", "Action", "Destruction", "Willpower"}, {"Thuith", "Thorn", "Thurs"},
    "Thurisaz is the thorn and the giant, the thurs of the old poems. The thorn is sharp and "
    "painful to grasp, yet a hedge of thorns guards whatever lies behind it. This is the force of "
    "Thor's hammer, a power that can protect or destroy. It calls for decisive action guided by "
    "willpower, but also for a pause to think before striking, because the same force used "
    "carelessly does harm.",
    ThurisazReversed, ThurisazReversed};

constexpr char AnsuzReversed[] =
    "There may be misunderstanding, deception or manipulation by others. Bad advice, boredom "
    "and vanity are possible; check what you are told before you trust it.";
constexpr RuneText Ansuz{
    "Ansuz", {"Rebirth", "Knowledge", "Communication", "Justice"}, {"Os", "Ass", "Ansur"},
    "Ansuz is the rune of the god, Odin himself, and in the Old English poem it is the mouth, "
    "the source of all speech. It speaks of messages, advice and signs received, of study and "
    "examinations, and of wise words from an older person. Knowledge gained now brings a kind of "
    "rebirth in thinking. Listen carefully and speak honestly, for communication and justice "
    "walk together under this rune.",
    AnsuzReversed, AnsuzReversed};

constexpr char RaidhoReversed[] =
    "A journey is delayed or goes wrong. Plans may be disrupted, and there may be injustice, "
    "rigidity or a crisis; do not rush a decision.";
constexpr RuneText Raidho{
    "Raidho", {"Rhythm", "Movement", "Travel", "Spiritual"}, {"Raidha", "Rad", "Raid"},
    "Raidho means riding and the wagon, and so every journey. The rune poem jokes that riding "
    "seems easy to a warrior sitting indoors, but is hard work on a stout horse along the high "
    "road. It points to travel, a change of place and the right rhythm of events. Beyond the "
    "road it is the spiritual journey of life, and it asks you to move in step with what is "
    "right rather than rushing ahead.",
    RaidhoReversed, RaidhoReversed};

constexpr char KenazReversed[] =
    "The light goes out: a creative spell fades and a friendship or relationship may end. There "
    "may be confusion, lack of clarity and false hope.";
constexpr RuneText Kenaz{
    "Kenaz", {"Knowledge", "Fire", "Guiding Light", "Fertility"}, {"Kusma", "Kaun", "Kaunaz"},
    "Kenaz is the torch, known to all by its pale bright flame, burning in the hall where the "
    "nobles sit. It is the fire of knowledge and craft that shows what was hidden. The rune "
    "brings clarity, creative skill and the guiding light of a teacher. It also stands for the "
    "warmth of passion and for fertility of body and mind, so new ideas and projects thrive.",
    KenazReversed, KenazReversed};

constexpr RuneText Gebo{
    "Gebo", {"Gift", "Exchange", "Interaction", "Balance"}, {"Geuua", "Gipt", "Geofu"},
    "Gebo is the gift. The rune poem praises generosity as something that brings honor and "
    "supports the dignity of the giver, while helping those who have nothing else. Every gift "
    "creates a bond, so the rune speaks of exchange, partnership, contracts and marriage. Its "
    "crossed arms show balance between giving and receiving; a bond in which one side only "
    "takes will not last.",
    "Gebo rune cannot be reversed. The meaning can be understood from the other runes that fall "
    "with it.",
    "Greed or dependence; a gift with strings attached, given to buy loyalty or to keep someone "
    "in debt."};

constexpr char WunjoReversed[] =
    "There is sorrow, strife and alienation. Matters may be delayed and a sense of being cut off "
    "from others may grow; avoid acting in anger.";
constexpr RuneText Wunjo{
    "Wunjo", {"Joy", "Pleasure", "Hope", "Fellowship"}, {"Uuinne", "Vend", "Wynn"},
    "Wunjo is joy, the bliss of one who knows little suffering, sorrow or anxiety and has a good "
    "enough house. It brings pleasure, comfort and contentment after a period of struggle. The "
    "rune shows harmony within a group, family or team and the fellowship of people working "
    "toward the same goal. Hope is well founded now and a wish may be granted.",
    WunjoReversed, WunjoReversed};

// ---- Second Aett ----

constexpr RuneText Hagalaz{
    "Hagalaz", {"Transformation", "Change", "Evolution", "Protection"}, {"Haal", "Hagall", "Hagl"},
    "Hagalaz is hail, the whitest of grain, whirled from the vault of heaven and tossed by the "
    "wind before it melts into water. It is disruption from outside, events beyond your control "
    "that break up the old pattern. Yet the hail melts and waters the field: the damage leads to "
    "transformation and change. Accept what happens as part of your evolution and you will find "
    "protection within it.",
    "This rune is not reversed.",
    "There may be a natural disaster or catastrophe. It may also lead to pain, suffering and "
    "disillusionment."};

constexpr char NauthizReversed[] =
    "Beware of rash actions driven by want. There may be poverty, deprivation or emotional "
    "hunger; restraint is needed.";
constexpr RuneText Nauthiz{
    "Nauthiz", {"Need", "Help", "Resistance", "Love"}, {"Noicz", "Naud", "Naudr"},
    "Nauthiz is need, the friction of two sticks rubbed together to kindle the need-fire. The "
    "rune poem says that need weighs on the heart, yet it often becomes a source of help and "
    "salvation to anyone who heeds it in time. The rune shows hardship, delay and resistance "
    "that must be met with patience. Facing what you truly need, not what you want, builds "
    "strength; in love it asks for endurance.",
    NauthizReversed, NauthizReversed};

constexpr RuneText Isa{
    "Isa", {"Constraint", "Massive Force", "Gradual Integration", "Delay"}, {"Icz", "Iss", "Is"},
    "Isa is ice, very cold and slippery, glittering clear as glass and like gems, a floor made by "
    "the frost that is fair to look at. It brings a standstill: plans are frozen and progress "
    "meets constraint and delay. The ice is a massive force that holds things still so they can "
    "settle. Use this time for rest and the gradual integration of what you have learned, and do "
    "not try to force the thaw.",
    "This rune cannot be reversed. This will have to be read with the surrounding runes.",
    "Treachery, betrayal or a plot may lie hidden under the surface, like thin ice that gives "
    "way underfoot."};

constexpr RuneText Jera{
    "Jera", {"Cycles", "Right Action", "Completion", "Fertility"}, {"Gaar", "Ar", "Ger"},
    "Jera is the year and the harvest, the season when the earth brings forth shining fruits for "
    "rich and poor alike. It speaks of the cycles of nature and of reward for work done at the "
    "proper time. The harvest cannot be hurried; right action now bears fruit later. The rune "
    "promises completion, fertility and the turning of the seasons in your favor.",
    "This rune is non reversible and has to be read with the surrounding runes.",
    "Bad timing and a sudden setback; a cycle breaks before the harvest, bringing conflict or "
    "want."};

constexpr char EihwazReversed[] =
    "There may be confusion, destruction or weakness. Something you depend on is not reliable; "
    "look for the root of the problem.";
constexpr RuneText Eihwaz{
    "Eihwaz", {"Communication", "Death", "Regeneration", "Knowledge"}, {"Ezck", "Yr", "Eo"},
    "Eihwaz is the yew, a hard tree with rough bark, fast in the earth and held by its roots, a "
    "guardian of the fire. The yew is evergreen yet poisonous and grows in graveyards, so it "
    "joins life and death. Some link it to Yggdrasil, the world tree that joins the nine worlds, "
    "making it a rune of communication between realms. Death here is the end of one state and "
    "regeneration into the next, and hidden knowledge opens to the steadfast.",
    EihwazReversed, EihwazReversed};

constexpr char PerthroReversed[] =
    "Secrets are exposed or luck turns against you. There may be addiction, stagnation or "
    "loneliness; do not gamble on chance now.";
constexpr RuneText Perthro{
    "Perthro", {"Birth", "Wisdom", "Kinship", "Manifestation"}, {"Pertra", "Peordh", "Peorth"},
    "Perthro is the most mysterious rune, usually read as the dice cup, a source of play and "
    "laughter where warriors sit together in the beer hall. It stands for chance, fate and what "
    "is hidden. It is also linked to the womb and to birth, and to the wisdom of the Norns who "
    "shape destiny. Secrets come to light, kinship and shared fortunes matter, and what was "
    "hidden comes to manifestation.",
    PerthroReversed, PerthroReversed};

constexpr char AlgizReversed[] =
    "This indicates vulnerability. Watch for hidden traps and strengthen your defense.";
constexpr RuneText Algiz{
    "Algiz", {"Spirit", "Protection", "Sanctuary", "Refuge"}, {"Algis", "Elhaz", "Eolh"},
    "Algiz is the elk sedge, the marsh grass that cuts the hand of anyone who grasps it, and the "
    "antlers of the elk raised in defense. It is a strong rune of protection and of the higher "
    "spirit reaching upward. It shows a sanctuary and a refuge, a guardian watching over you. "
    "New chances may come, but keep your instincts alert so that what shields you is not turned "
    "against you.",
    AlgizReversed, AlgizReversed};

constexpr RuneText Sowilo{
    "Sowilo", {"Partnership", "Journey", "Power", "Transformation"}, {"Sugil", "Sol", "Sulu"},
    "This is the 'sun' rune which indicates victory. There may be a sudden change but always for "
    "the better. It shows good health and lot of energy. There may also be ESP related to the "
    "divine world. On the whole this is a positive rune. This is full of power and radiance.",
    "This rune cannot be reversed.",
    "False goals and bad advice; the light becomes a scorching glare that brings vanity, pride "
    "and loss of direction."};

// ---- Third Aett ----

constexpr char TiwazReversed[] =
    "There is a lack of energy or enthusiasm. Injustice, imbalance and conflict are possible, "
    "and a relationship may fail or a contest be lost.";
constexpr RuneText Tiwaz{
    "Tiwaz", {"Justice", "Loyalty", "Victory", "Support"}, {"Tys", "Tyr", "Tir"},
    "Tiwaz is the rune of Tyr, the god of law and war who gave his hand so the wolf Fenrir could "
    "be bound. The rune poem calls it a guiding star that keeps faith and never fails on its "
    "course through the night. It shows justice, honor and loyalty, sacrifice for a just cause "
    "and victory in a contest or legal matter. Count on the support of people in authority when "
    "you act rightly.",
    TiwazReversed, TiwazReversed};

constexpr char BerkanoReversed[] =
    "There may be family problems, worry about a loved one or trouble with conception. Growth is "
    "blocked and carelessness causes setbacks.";
constexpr RuneText Berkano{
    "Berkano", {"Rebirth", "Growth", "Transition", "Spirit"}, {"Berkana", "Bercna", "Bjarkan"},
    "Berkano is the birch, the first tree to turn green in spring, which spreads from its roots "
    "without seed. It is the rune of the mother goddess, of birth and of the household. It "
    "brings rebirth, renewal and steady growth, and marks a gentle transition into a new phase "
    "of life. Care and patience let things blossom; the spirit of nurture is strong here.",
    BerkanoReversed, BerkanoReversed};

constexpr char EhwazReversed[] =
    "There may be restlessness or an urge for change for its own sake. Mistrust or betrayal in a "
    "partnership is possible; avoid reckless moves.";
constexpr RuneText Ehwaz{
    "Ehwaz", {"Duality", "Movement", "Partnership", "Interaction"}, {"Eys", "Ehol", "Ior"},
    "Ehwaz is the horse, a joy to princes and a comfort to the restless. Horse and rider are two "
    "beings who must trust each other, so the rune speaks of duality made into teamwork. It "
    "shows movement, steady progress and a change of home or work. It favors marriage and every "
    "partnership, and any interaction built on loyalty and trust.",
    EhwazReversed, EhwazReversed};

constexpr char MannazReversed[] =
    "There may be isolation, self-deception or manipulation by others. Enemies may be near; look "
    "at yourself honestly before blaming anyone else.";
constexpr RuneText Mannaz{
    "Mannaz", {"Godhood", "Humanity", "Ancestors", "Memory"}, {"Manna", "Madr", "Mann"},
    "Mannaz is man, the human being both as one person and as all humankind. The rune poem says "
    "the joyful man is dear to his kinsmen, yet all must one day fail each other and return to "
    "the earth. The rune holds the divine spark, the godhood within humanity, and the legacy of "
    "the ancestors. It asks for self-knowledge, cooperation and care for the memory of those who "
    "came before.",
    MannazReversed, MannazReversed};

constexpr char LaguzReversed[] =
    "Fear and confusion may lead to poor judgment. There may be emotional turmoil, escapism or a "
    "wish to avoid change; do not drift.";
constexpr RuneText Laguz{
    "Laguz", {"Fluidity", "Life Force", "Birth", "Intuition"}, {"Laaz", "Logr", "Lagu"},
    "Laguz is water and the lake, the sea that seems endless to a sailor in a rolling boat. Water "
    "flows around every obstacle, so the rune stands for fluidity, adaptability and the flow of "
    "feeling. It is the life force from which all life comes and is bound up with birth. Trust "
    "your intuition, dreams and psychic feelings now; they will guide you through uncertain "
    "waters.",
    LaguzReversed, LaguzReversed};

constexpr RuneText Ingwaz{
    "Ingwaz", {"Energy", "Gestation", "Integration", "Male Fertility"}, {"Enguz", "Ing", "Ingvarr"},
    "Ingwaz is the rune of Ing, the earth god first seen among the East Danes before he left "
    "over the waves with his wagon. It is stored energy, a seed resting in the ground, and the "
    "time of gestation before a birth. It brings a task to completion and the integration of "
    "all that was prepared. As a sign of male fertility it also promises growth, family and new "
    "beginnings.",
    "This is a non reversible rune.",
    "Energy spent without result; a task drags on, movement stalls and work is done for nothing."};

constexpr RuneText Dagaz{
    "Dagaz", {"Light", "Enlightenment", "Awakening", "Intuition"}, {"Daaz", "Daeg", "Dagur"},
    "Dagaz is day, the glorious light of the Creator, beloved of men and a source of hope to rich "
    "and poor alike. It is the breakthrough at dawn when light takes over from darkness. It shows "
    "clarity, enlightenment and spiritual awakening, and a major change for the better. Trust "
    "your intuition, for the moment is right to begin something new.",
    "This is a nonreversible rune.",
    "An ending that feels like nightfall: a completion that leaves you empty, or a sudden loss "
    "of hope."};

constexpr char OthalaReversed[] =
    "Property or an inheritance may be lost. Beware of prejudice, clinging to old customs or a "
    "family quarrel; you may feel without a home.";
constexpr RuneText Othala{
    "Othala", {"Ancestry", "Prosperity", "Inheritance", "Family"}, {"Utal", "Odal", "Otael"},
    "Othala is the ancestral estate, dear to every man who can enjoy in his own home what is "
    "right and proper in lasting prosperity. It stands for land, house and inherited property, "
    "and for the values handed down through the generations. The rune shows wealth built over "
    "time, an inheritance, the strength of the family and a sense of belonging to one's own "
    "people.",
    OthalaReversed, OthalaReversed};

// Elder Futhark order: index = rune number.
constexpr std::array<RuneText, RuneCount> Runes{
    Fehu, Uruz,   Thurisaz, Ansuz,   Raidho, Kenaz, Gebo,   Wunjo,
    Hagalaz, Nauthiz, Isa,  Jera,    Eihwaz, Perthro, Algiz, Sowilo,
    Tiwaz, Berkano, Ehwaz, Mannaz,   Laguz,  Ingwaz, Dagaz, Othala};

constexpr std::array<const char*, AettCount> AettCaptions{"First Aett", "Second Aett", "Third Aett"};

constexpr std::array<const char*, AettCount> AettThemes{
    "The theme of the first Aett of runes is the unity of the initial forces of fire, chaos, ice "
    "and order to bring about the gift of the gods.",
    "The theme of the second Aett of runes is development of consciousness from the basic level "
    "to the more matured, higher and the complex thought patterns.",
    "The theme of the third Aett of runes is 'transition'. It projects the natural progression "
    "of mankind from his first days to the end of the world."};

constexpr int BlankStone = RuneCount; // the unmarked stone follows the 24 runes in the image list

} // namespace

void FillRuneTables()
{
    for (int r = 0; r < RuneCount; ++r) {
        const RuneText& rune = Runes[r];
        StoneNames[r] = QString::fromLatin1(rune.name);
        UprightMeanings[r] = QString::fromLatin1(rune.upright);
        ReversedMeanings[r] = QString::fromLatin1(rune.reversed);
        MerkstaveMeanings[r] = QString::fromLatin1(rune.merkstave);
        for (int j = 0; j < KeywordsPerRune; ++j)
            StoneKeywords[r * KeywordsPerRune + j] = QString::fromLatin1(rune.keywords[j]);
        for (int j = 0; j < AlternativeNamesPerRune; ++j)
            AlternativeNames[r * AlternativeNamesPerRune + j] = QString::fromLatin1(rune.alternativeNames[j]);
    }
}

QString AettCaption(int aett)
{
    if (aett < 0 || aett >= AettCount)
        return {};
    return QString::fromLatin1(AettCaptions[aett]);
}

QString AettTheme(int aett)
{
    if (aett < 0 || aett >= AettCount)
        return {};
    return QString::fromLatin1(AettThemes[aett]);
}

QString StoneImageKey(int rune)
{
    if (rune < 0 || rune > BlankStone)
        return {};
    const char* name = rune == BlankStone ? "Blank" : Runes[rune].name;
    return QStringLiteral("%1 %2").arg(rune + 1, 2, 10, QLatin1Char('0')).arg(QLatin1String(name));
}

} // namespace modLearnRunes
