// Built-in prose of the numerology course: what each subject signifies, how each is
// calculated, and the interpretations of entries 0..43 (Life Path, Destiny / Expression,
// Soul's Urge / Heart's Desire and Inner Dreams / Personality).
#include "courses/numerology/logic/numerology_texts.h"

namespace modLearnNumerology::texts {

const char* const SignificanceTexts[15] = {
    // 0 Life Path Number
    "This represents who you are at birth. It gives a broad outline of the various good and bad "
    "opportunities, struggles that you may have to face throughout your life.",
    // 1 Destiny / Expression Number
    "Your Destiny Number, also called the Expression Number, comes from the full name you were "
    "given at birth. It shows the talents, abilities and shortcomings you carry into the world, "
    "and the goals you are meant to pursue by putting those gifts to use.",
    // 2 Soul's Urge/ Heart's Desire Number
    "This number reveals what you inwardly long for: the motives, likes and dislikes that drive "
    "your choices and decisions, often hidden even from the people closest to you.",
    // 3 Inner Dreams / Personality Number
    "This number describes the side of you that others see first. It works like a filter, showing "
    "what you let out and what you hold back, and how people read you when they first meet you.",
    // 4 Birthday Number
    "The day you were born points to a special talent, a gift that helps you along the road of "
    "your Life Path.",
    // 5 Life Path / Expression Bridge Number
    "This number measures the distance between your Life Path and your Destiny Number. It shows "
    "how to bring the road you walk and the talents you express into harmony, so that your "
    "abilities serve your purpose instead of pulling against it.",
    // 6 Heart Desire / Personality Bridge Number
    "This number spans the gap between your inner desires and the face you show the world. It "
    "suggests how to let people see more of what you truly want, so that inside and outside agree.",
    // 7 Balance Number
    "Your Balance Number shows how you can best handle trouble, stress and emotionally difficult "
    "situations.",
    // 8 Maturity / Realization Number
    "Your Maturity Number reveals an underlying wish that surfaces gradually as you grow older, "
    "usually felt from your mid-thirties or forties onwards. It points to the true goal of your "
    "life, which grows clearer as you come to understand yourself and your gifts.",
    // 9 Pinnacle Number
    "Your life is divided into four long cycles called Pinnacles. Each Pinnacle Number describes "
    "the lessons, opportunities and atmosphere of one of these periods, and the kind of growth "
    "life asks of you during it.",
    // 10 Challenge Number
    "Challenge Numbers point to the weaknesses you must work on during your life. Each marks an "
    "obstacle that, once you face it, turns into a source of strength.",
    // 11 Life Path Period Number
    "Your life falls into three Life Path Periods, each ruled by a number taken from your birth "
    "date. The first, from the month, governs your youth and formative years; the second, from "
    "the day, your productive middle years; the third, from the year, your later years. Each "
    "period colors the circumstances and lessons of that stage of life.",
    // 12 Personal Day Number
    "What you think, imagine and do during the day sets the platform and example for the days to "
    "come.",
    // 13 Personal Month Number
    "Your Personal Month Number describes the mood and the opportunities of a single month, and "
    "shows how best to use its energy within your year.",
    // 14 Personal Year Number
    "Your Personal Year Number reveals the themes and opportunities of a calendar year. The years "
    "move through a cycle of nine, each building on the one before and preparing the next.",
};

const char* const CalculationTexts[15] = {
    // 0 Life Path Number
    "The Life Path is the sum of the digits of your date if birth. Add all the numbers together "
    "to reduce it to a single number.\r\n"
    "e.g.: 06/08/1979= 6+8+1+9+7+9 =40=4.\r\n"
    "Life path Number = 4",
    // 1 Destiny / Expression Number
    "Give every letter of your full birth name its value from the chart, add the values and "
    "reduce the total to a single digit, keeping 11 and 22.\r\n"
    "Example: EMMA = 5 + 4 + 4 + 1 = 14 = 1 + 4 = 5, so a Destiny Number of 5.\r\n"
    "The manual calculation table is shown as below:\r\n"
    "1      2       3      4       5      6       7      8       9\r\n"
    "A      B       C      D       E      F       G      H       I\r\n"
    "J      K       L      M       N      O       P      Q       R\r\n"
    "S      T       U      V       W      X       Y      Z",
    // 2 Soul's Urge/ Heart's Desire Number
    "Add the values of the vowels in your full birth name and reduce the total to a single digit, "
    "keeping 11 and 22. The vowels have these values:\r\n"
    "1    2    3    4    5    6    7    8    9\r\n"
    "A    -    -    -    E    -    -    -    I\r\n"
    "-    -    -    -    -    O    -    -    -\r\n"
    "-    -    U    -    W*   -    Y*   -    -\r\n"
    "* Y counts as a vowel when it sounds like one and no other vowel shares its syllable, as in "
    "Lynn, Mary or Sylvia, but as a consonant when it opens a syllable, as in Yolanda or Maya. W "
    "counts as a vowel only when it joins another vowel to make a single sound, as in Andrew, "
    "Dawn or Bowen; in a name such as William it is a consonant.\r\n"
    "Example: the first name MARIE has the vowels A, I and E, so 1 + 9 + 5 = 15 and 1 + 5 = 6.",
    // 3 Inner Dreams / Personality Number
    "Add the values of the consonants in each name of your full birth name, reduce each name, "
    "then add and reduce again, keeping 11 and 22:\r\n"
    "1    2    3    4    5    6    7    8    9\r\n"
    "--   B    C    D    --   F    G    H    --\r\n"
    "J    K    L    M    N    --   P    Q    R\r\n"
    "S    T    --   V    W*   X    Y*   Z\r\n"
    "Example: JOHN SMITH (J, H, N and S, M, T, H)\r\n"
    "Personality Number = 1+8+5 + 1+4+2+8 = 5+6 = 11",
    // 4 Birthday Number
    "Your Birthday Number is simply the day of the month on which you were born, left unreduced: "
    "Laura Green, for example, born on 23 March 1988, has the Birthday Number 23, not 2 + 3 = 5.",
    // 5 Life Path / Expression Bridge Number
    "This is calculated for a person by subtracting the life path number from the expression "
    "number or vice versa.\r\n"
    "e.g.: Tom Harris, born 12/03/1995: Expression TOM 3 + HARRIS 1 = 4, Life Path 30 = 3\r\n"
    "Life Path / Expression Bridge Number = 4 - 3 = 1",
    // 6 Heart Desire / Personality Bridge Number
    "This is calculated for a person by subtracting the heart desire number from the "
    "personality number or vice versa.\r\n"
    "e.g.: Grace Holt: Personality 19 + 13 = 32 = 5, Heart Desire 6 + 6 = 12 = 3\r\n"
    "Heart Desire / Personality Bridge Number = 5 - 3 = 2",
    // 7 Balance Number
    "The Balance Number is found by adding the values of the initials of your full birth name, "
    "that is the first letter of each name you were given, and reducing the total to a single "
    "digit.\r\n"
    "The letter values are taken from the usual Pythagorean chart:\r\n"
    "1 2 3 4 5 6 7 8 9\r\n"
    "A B C D E F G H I\r\n"
    "J K L M N O P Q R\r\n"
    "S T U V W X Y Z\r\n"
    "Therefore,\r\n"
    "S (the initial of Sarah) = 1\r\n"
    "J (the initial of Jenkins) = 1\r\n"
    "So 1 + 1 = 2\r\n"
    "The Balance Number of Sarah Jenkins is 2.",
    // 8 Maturity / Realization Number
    "Add your Life Path Number to your Destiny Number and reduce the total.\r\n"
    "The Life Path comes from the date of birth, the Destiny Number from the birth name.\r\n"
    "Example: Mark Taylor, born 19/04/1985.\r\n"
    "Life Path Number = 1+9+0+4+1+9+8+5 = 37 = 10 = 1\r\n"
    "Destiny Number = MARK 16 = 7, TAYLOR 28 = 10 = 1, 7 + 1 = 8\r\n"
    "Maturity Number = Life path Number + Destiny Number = 1 +8 = 9",
    // 9 Pinnacle Number
    "To find the four Pinnacles, first reduce the day, the month and the year of birth to single "
    "digits, and add them for the Life Path Number. For a birth date of 23/05/1978 the day gives "
    "2 + 3 = 5, the month is 5, and the year gives 1 + 9 + 7 + 8 = 25 = 2 + 5 = 7, so the Life "
    "Path is 5 + 5 + 7 = 17 = 8.\r\n"
    "First Pinnacle = month + day = 5 + 5 = 10 = 1. It lasts from birth until the age found by "
    "subtracting the Life Path Number from 36, here 36 - 8 = 28.\r\n"
    "Second Pinnacle = day + year = 5 + 7 = 12 = 3. It covers the next nine years, from age 29 "
    "to age 37.\r\n"
    "Third Pinnacle = First Pinnacle + Second Pinnacle = 1 + 3 = 4. Like the second, it lasts "
    "nine years,\r\n"
    "here running from age 38 to age 46.\r\n"
    "Fourth Pinnacle = month + year = 5 + 7 = 12 = 3. It begins at age 47 and stays with you for "
    "the rest of your life, coloring your later years and what you finally make of them.",
    // 10 Challenge Number
    "Example: Helen Ward, born 16/08/1974. Reduced to single digits, the day is 1 + 6 = 7, the "
    "month 8 and the year 1 + 9 + 7 + 4 = 21 = 3.\r\n"
    "First Challenge: subtract the smaller of the month and day numbers from the larger, "
    "8 - 7 = 1. It rules youth and early adulthood.\r\n"
    "Second Challenge: subtract the smaller of the day and year numbers from the larger, "
    "7 - 3 = 4. It rules the middle years.\r\n"
    "Third Challenge: subtract the smaller of the first two challenges from the larger, 4 - 1 = "
    "3. It is the main challenge and is felt throughout life.\r\n"
    "Fourth Challenge: subtract the smaller of the month and year numbers from the larger, "
    "8 - 3 = 5. It rules the later years.",
    // 11 Life Path Period Number
    "The First Life Path Period is the month of birth, reduced to one digit.\r\n"
    "The Second Life Path Period is the day of birth, reduced.\r\n"
    "The Third Life Path Period is the year of birth, reduced.\r\n"
    "For Example:\r\n"
    "For date of birth 6/10/2000\r\n"
    "First Life Path Period = 1\r\n"
    "Second Life Path Period = 6\r\n"
    "Third Life Path Period = 2",
    // 12 Personal Day Number
    "Follow the example to determine your Personal Day.\r\n"
    "Birth Day: 10\r\n"
    "Birth Month: 1\r\n"
    "Current Day: 1\r\n"
    "Current Month: 2\r\n"
    "Current Year: 2006\r\n"
    "Result: 1+0+1+1+2+2+0+0+ 6 = 13\r\n"
    "1+3 = 4\r\n"
    "So, in this case the Personal Day is 4.",
    // 13 Personal Month Number
    "Add the digits of your birth day, your birth month, the current month and the current year; "
    "a two-digit total is added once more, so 27 gives the Personal Month 2 + 7 = 9.\r\n"
    "Example: birth day 15, birth month 7 (July), current month 5 (May), current year 2007.\r\n"
    "Your Personal Month Number will be 1+5+7+5+2+0+0+7=27",
    // 14 Personal Year Number
    "Your Personal Year Number is found by adding the digits of your birth day and birth month "
    "to the digits of the year you want to look at, then reducing the total to a single digit. "
    "Unlike most other numbers, the Personal Year is always reduced to 1 to 9, even when a "
    "total of 11 or 22 appears along the way, because the years move through a cycle of nine. "
    "The cycle turns on 1 January, though its effects may be felt from the autumn before.\r\n"
    "For example, take a person born on 15 July who asks what 2007 holds. The birth "
    "day gives 1 + 5, the birth month gives 7 and the year gives 2 + 0 + 0 + 7, so the sum is "
    "1 + 5 + 7 + 2 + 0 + 0 + 7 = 22. Because a Personal Year can only run from 1 to 9, the 22 is "
    "reduced as well: 2 + 2 = 4.\r\n"
    "So 2007 is a Personal Year 4 for this person: a year of steady work, planning and laying "
    "foundations for what comes next.",
};

const char* const InterpTextsA[44] = {
    // Life Path Number (entries 0..10)
    "You walk the path of the pioneer. Independence, originality and the drive to lead mark your "
    "life, and you are happiest when you can start things on your own terms. Your lessons "
    "concern self-reliance and courage; your pitfalls are stubbornness, impatience and a "
    "tendency to dismiss the ideas of others. Learn to lead without dominating.", // 1
    "Cooperation and sensitivity shape your road through life. You are the natural peacemaker, "
    "the partner and diplomat who notices what others miss and smooths over conflict. Over the "
    "years you learn that patience and tact are real strengths. Guard against oversensitivity "
    "and against giving up your own needs simply to keep the peace.", // 2
    "Self-expression is the thread running through your life. Words, art, humor and social "
    "warmth come easily to you, and people are drawn to your optimism. Your life asks you to "
    "develop your creative gifts with discipline rather than scattering them. Moodiness and "
    "superficiality are the traps to watch for when things grow dull.", // 3
    "Your life is built brick by brick. Order, hard work and reliability are your foundation, "
    "and you earn success through persistence rather than luck. You are the one others trust to "
    "finish the job. Over time you must learn flexibility, because rigid routines and a narrow "
    "view can hold you back as much as they protect you.", // 4
    "Freedom and change run through your whole life. Travel, variety, new people and new "
    "experiences keep you alive, and you adapt faster than almost anyone. Your lesson is the "
    "constructive use of freedom: learning when to commit and how to finish what you start, "
    "instead of drifting or indulging every restless impulse.", // 5
    "Responsibility, love and service define your journey. Home, family and community matter "
    "deeply to you, and you are often the one others lean on. You also have a strong sense of "
    "beauty and justice. Over a lifetime you learn to care without controlling, and to accept "
    "that not every problem is yours to fix.", // 6
    "Yours is the path of the seeker. You spend your life looking beneath the surface, "
    "questioning, studying and searching for truth, whether in science, philosophy or spiritual "
    "practice. Solitude refreshes you. Your challenge is to trust others and share your wisdom, "
    "rather than withdrawing into suspicion or aloofness.", // 7
    "Power, achievement and material mastery are central to your life. You have a talent for "
    "business, organization and authority, and your ambitions tend to be large. The balanced use "
    "of money and power is your lesson: success comes when you combine drive with integrity, "
    "and setbacks come when control becomes an end in itself.", // 8
    "Compassion, tolerance and a broad view of the world guide your humanitarian path, and life "
    "tends to ask that you give more than you take. Artistic and idealistic, you "
    "feel for people you have never met. Letting go of the past, of people and of possessions is "
    "the recurring lesson of your journey.", // 9
    "As a master number, 11 brings you a life of heightened intuition and inspiration. You sense "
    "ideas and atmospheres others miss, and you may be called to enlighten or inspire. The "
    "pressure of this vibration can bring nervous tension and self-doubt; grounding yourself "
    "lets your vision become something useful. When you fall short of it, you live out the "
    "quieter qualities of 2.", // 11
    "The master builder's path is yours. You combine the vision of 11 with the practical sense "
    "of 4, which gives you the capacity to turn great ideas into lasting structures that serve "
    "many people. Your potential is enormous, and so is the pressure that comes with it. Use "
    "your discipline to build on a large scale, and do not let fear of failure shrink your plans.", // 22

    // Destiny / Expression Number (entries 11..21)
    "Your name carries the vibration of leadership. You have the ability to originate, to take "
    "charge and to carry a plan through on your own initiative, and you are at your best out in "
    "front. Your destiny is to develop your individuality and to have the confidence to act on "
    "it. Be careful not to become domineering or impatient with those who move more slowly.", // 1
    "You are meant to achieve through partnership. Your gifts are tact, diplomacy and an unusual "
    "sensitivity to other people's feelings, which make you an excellent mediator, counsellor or "
    "team member. Success tends to come quietly and through cooperation rather than open "
    "competition. Your task is to value your own contribution even when others take the "
    "spotlight.", // 2
    "Your talents lie in expression. Writing, speaking, acting, design or any work that lets you "
    "communicate suits you, and your imagination and wit can make ordinary things sparkle. Your "
    "destiny is to inspire and uplift others through your creativity. The danger lies in "
    "spreading yourself too thin; when you focus your gifts, they can take you a long way.", // 3
    "Building is what you were named for. Your abilities include careful planning, method, "
    "patience and a strong sense of duty, and you excel at managing details others overlook. "
    "Engineering, administration, craftsmanship or finance suit you well. Your lifetime goal is "
    "to create something solid and lasting, but remember to leave room for spontaneity and fresh "
    "ideas.", // 4
    "Versatility is the keynote of your name. Quick, curious and adaptable, you have a talent for "
    "promotion, sales, travel and anything that brings you into contact with many people. Your "
    "destiny is to learn the right use of freedom and to bring progress wherever you go. "
    "Discipline and follow-through will decide whether your many talents bear fruit.", // 5
    "Service and responsibility are your calling. You have a gift for nurturing, healing, "
    "teaching and creating harmony in a home or a community, and people trust your sense of "
    "fairness. Your destiny is to care for others and to bring beauty and balance into their "
    "lives. Watch that your wish to help does not turn into interference or self-sacrifice.", // 6
    "An analytical, penetrating mind is your chief gift. Research, science, technology, "
    "philosophy and spiritual study are natural fields for you, and you can become a true "
    "expert. Your destiny is to seek knowledge and understanding and, in time, to share it. You "
    "need time alone to think, but guard against becoming cold, secretive or isolated.", // 7
    "You have the ability to manage, organize and lead on a large scale. Business, finance, law "
    "and positions of authority suit you, and you understand how money and power work. Your "
    "destiny is to achieve material success and recognition and to use them well. The more you "
    "act with fairness and vision, the more lasting your accomplishments will be.", // 8
    "Broad sympathies, artistic talent and a generous nature are the gifts your name bestows. "
    "You are capable of work that benefits many people, such as teaching, healing or public "
    "service. Your destiny is to give of yourself without expecting a return, and to see the "
    "larger picture. Personal rewards tend to follow once you stop chasing them.", // 9
    "With the master number 11 in your name, you have the capacity to inspire and illuminate. "
    "Your intuition is strong and your ideas can move people, which suits you to teaching, "
    "counselling, the arts or spiritual leadership. Your destiny is to bring vision to the world, "
    "but the intensity of this number can make you nervous and impractical. Ground your ideals "
    "and they will reach others.", // 11
    "You carry the master number 22, the most practical of the powerful vibrations. You can "
    "conceive plans of great scope and also have the discipline to make them real, whether in "
    "business, politics, architecture or social reform. Your destiny is to build for the benefit "
    "of many. The demands are heavy, and you must avoid both overreaching and settling for far "
    "less than you can achieve.", // 22

    // Soul's Urge/ Heart's Desire Number (entries 22..32)
    "Deep down, you want to be independent and to come first. You long to follow your own ideas, "
    "make your own decisions and be recognized for what you alone can do, and taking orders "
    "frustrates you. Your heart's desire is to lead and to create something original; respecting "
    "the wishes of others keeps this drive from turning into selfishness.", // 1
    "What your heart craves most is love, companionship and harmony. You want to belong, to share "
    "your life closely with others and to feel appreciated for your gentle support. Discord hurts "
    "you more than people realize. You are happiest in a peaceful home or a close partnership, "
    "working quietly behind the scenes where your sensitivity is valued.", // 2
    "Inwardly, you long to express yourself and to enjoy life. You want to be seen, heard and "
    "admired, and you delight in beauty, conversation, friendship and fun. Creative outlets of "
    "any kind feed your spirit. When your joy is blocked you may turn moody or scattered, so give "
    "your imagination regular room to play and to share its gifts.", // 3
    "Your deepest wish is for order, security and stability. You want to know where you stand, "
    "to build something solid and to be respected for honest, steady work, while chaos and "
    "uncertainty unsettle you. A clear plan and a dependable routine make you happy; allow "
    "yourself some flexibility so that your need for control does not harden into rigidity.", // 4
    "At heart, you crave freedom. You long for adventure, travel, variety and the thrill of the "
    "new, and routine makes you feel trapped. You want to taste everything life offers through "
    "all your senses. This restlessness is a gift when it keeps you open and curious, but it "
    "needs some direction so that you do not keep running from commitment.", // 5
    "To love and be loved, to care for a family and to create a beautiful, harmonious home: these "
    "are your heart's desires. You want to be needed and to feel responsible for those around "
    "you, and fairness and loyalty matter enormously to you. Be aware that your ideals of how "
    "others should live can make you anxious or interfering when they choose differently.", // 6
    "Within you lives a quiet longing for understanding. You want to know the hidden reasons "
    "behind things, to study, to reflect and to find your own truth, and you need solitude to do "
    "it. Shallow talk leaves you cold. Your inner self is refined and private; trusting a few "
    "chosen people with your thoughts will keep you from feeling isolated.", // 7
    "You secretly long for success, recognition and control over your own affairs. Material "
    "security and the power to make things happen appeal to you strongly, and you admire "
    "competence. You want to be in charge and respected for what you achieve. Your happiness "
    "grows when ambition is matched with generosity and a sense of balance.", // 8
    "Your innermost wish is to make the world a better place. You feel a deep compassion for "
    "humanity and want to give, to help and to inspire, often on a large scale, and beauty and "
    "art move you. Selfless service brings you fulfilment, but you must also accept that people "
    "and situations will not always live up to your high ideals.", // 9
    "With the master number 11 as your Soul's Urge, you long to share a vision and to awaken "
    "something higher in others. Your inner life is rich with intuition, idealism and spiritual "
    "sensitivity, and you want your life to mean something beyond personal comfort. This "
    "intensity can breed nervous tension, so find calm practices that let your insight flow.", // 11
    "Your heart's desire is to build something great and lasting that serves many. With the "
    "master number 22 you want to join lofty ideals to practical achievement, and small "
    "ambitions never satisfy you for long. You yearn to leave the world better organized than "
    "you found it. Patience with slow progress lets this powerful urge become reality.", // 22

    // Inner Dreams / Personality Number (entries 33..43)
    "Others see you as strong, confident and self-assured, someone who knows what they want and "
    "gets on with it. You come across as a natural leader, and your direct manner commands "
    "respect. Because you look so capable, people may not offer help when you need it. A little "
    "warmth softens the impression of being aloof or domineering.", // 1
    "You strike others as gentle, friendly and approachable. People feel at ease with you, "
    "confide in you readily and appreciate your tact and good manners, and your appearance tends "
    "to be neat and modest rather than showy. You may seem shy at first; be careful that your "
    "wish to please does not lead others to overlook you.", // 2
    "Charm and sparkle are what people notice first in you. You come across as witty, lively and "
    "sociable, often the center of a gathering, and you usually dress with flair. Your "
    "enthusiasm lifts those around you. At times others may think you superficial or scattered, "
    "so let them see the depth behind your bright exterior as well.", // 3
    "You present yourself as dependable, practical and serious. People see you as someone who "
    "can be trusted to do a job properly, and your appearance is usually tidy and sensible. Your "
    "steady manner reassures others in a crisis. Yet you can seem stiff or overly cautious, so "
    "show the humor and warmth you really have.", // 4
    "Lively, adventurous and exciting to be around: that is how you come across. People see a "
    "quick mind, a ready tongue and a love of fun, and your energy is magnetic. You tend to look "
    "youthful and fashionable. Some may find you unpredictable or hard to pin down, so showing "
    "that you can be relied upon will win you deeper trust.", // 5
    "Others see you as warm, caring and responsible, the person they turn to for comfort or "
    "advice. You give an impression of kindness, fairness and domestic comfort, and you often "
    "have a good eye for beauty, so people feel safe with you. Take care not to appear "
    "self-righteous or to take on burdens that are not yours to carry.", // 6
    "You appear reserved, thoughtful and a little mysterious. People sense a keen intelligence "
    "and a deep inner life, but you do not reveal yourself easily, and some may find you "
    "distant. Your dignified manner earns respect. Letting others glimpse your humor and your "
    "real interests makes you far more approachable.", // 7
    "An air of authority, competence and success surrounds you. People see you as powerful and "
    "capable, someone used to being in control, and you often dress the part. Your presence can "
    "be impressive in business and public life. Sometimes you seem intimidating or "
    "materialistic, so let the generosity behind your drive show.", // 8
    "You come across as generous, sympathetic and broad-minded, with a touch of elegance and "
    "worldly charm. People are drawn to your warmth, often see you as an idealist or an artist, "
    "and confide in you easily. Your compassion is genuine, but at times you seem remote, as "
    "though your mind is on larger matters than the person in front of you.", // 9
    "People sense something unusual about you. With 11 as your Personality Number, you seem "
    "inspired, idealistic and somewhat otherworldly, and you attract attention without trying. "
    "Others may see you as a visionary, yet also as nervous or hard to reach; keeping your feet "
    "on the ground makes your presence more reassuring.", // 11
    "You project a rare combination of vision and solid ability. Others see you as someone who "
    "can take charge of big undertakings and carry them through, and your confident, capable "
    "manner inspires trust. You seem practical and powerful at once. Your high standards may "
    "make you look demanding, so showing patience keeps people on your side.", // 22
};

} // namespace modLearnNumerology::texts
