// The prose of the astrology course: sign and planet traits and house attributes.
#include "courses/astrology/logic/astrology_texts.h"

namespace modLearnAstrology::texts {

namespace {

// Leo's positive traits, the opening text; it ends with a blank.
constexpr char LeoPositiveTraitsStart[] =
    "You are warm-hearted, generous and full of life, and you light up any room you walk into. "
    "Like the Sun that rules you, you radiate confidence and you love to be at the center of "
    "things. You are a natural leader with a sense of drama and style, and others willingly follow "
    "you because you lead with an open heart. You are loyal and protective toward your friends and "
    "family, and you are lavish with your time, your praise and your gifts. Your enthusiasm is "
    "catching and you have a wonderful ability to make others feel special. ";

} // namespace

const char* const LeoPositiveTraitsEnd =
    "You are creative and playful, fond of the theater, of parties and of anything that lets you "
    "express yourself. You take pride in doing things well and you aim high in everything you "
    "attempt. Honest and dignified, you dislike anything mean or petty, and you are quick to "
    "forgive. You have great courage and stay cheerful even in difficult times, and your faith in "
    "yourself helps you turn dreams into reality. Children, romance and the creative arts bring "
    "out the best in you.";

const std::array<const char*, SignCount> SignPositiveTraits{
    // Aries
    "You are a born pioneer, happiest when you are the first to try something new. Your energy "
    "seems endless, and you meet every challenge head on with a courage that others admire. You "
    "are honest and direct: people always know where they stand with you, because you say what you "
    "think and you do not hold grudges for long. You are quick to act and quick to decide, and "
    "your enthusiasm can carry a whole group along with you. You love competition and you rise to "
    "a dare, yet you are also generous and fiercely protective of the people you care about. "
    "Setbacks do not keep you down; you simply pick yourself up and charge at the next goal. Your "
    "independence and your will to win make you a natural leader who opens the way for others.",
    // Taurus
    "You are patient, reliable and practical, the steady rock that others lean on when times are "
    "hard. Once you set your mind on a goal you keep working at it, slowly and surely, until it is "
    "reached; nothing and no one can hurry you or turn you aside. You value security, and you are "
    "good with money and at building something that lasts, whether a home, a garden or a business. "
    "You are loyal and affectionate, and your love, once given, is given for life. Your senses are "
    "keen: you enjoy good food, music, fine fabrics and the beauty of nature, and you have a gift "
    "for making your surroundings comfortable. Calm and good-natured, you bring a sense of peace "
    "to every place you settle.",
    // Gemini
    "You have a quick, lively mind that is always hungry for something new to learn. You are "
    "curious about everything and everyone, and you can talk with ease on almost any subject, "
    "which makes you excellent company and a witty conversationalist. You are adaptable and "
    "versatile, able to juggle several tasks at once and to change course the moment a better idea "
    "appears. Your youthful spirit keeps you young at heart whatever your age. You have a gift for "
    "words, spoken or written, and you often shine in teaching, writing, selling or any work that "
    "depends on communication. Friendly and sociable, you collect friends from every walk of life "
    "and you are always ready to pass on the latest news.",
    // Cancer
    "You are caring, kind and deeply devoted to your home and family. Your intuition is strong and "
    "you sense the moods of others before they say a word, so people come to you for comfort and "
    "understanding. You are protective of the ones you love and will defend them with surprising "
    "strength. You have a wonderful memory, especially for feelings and for the past, and you "
    "treasure family history, old photographs and traditions. Careful with money and resources, "
    "you like to build a safe nest for the future. Your imagination is rich, and your sympathy "
    "makes you a natural at nursing, cooking, teaching children or any work where you look after "
    "others. Behind your cautious shell lies a tender and loyal heart.",
    // Leo, the opening text; LeoPositiveTraitsEnd follows it
    LeoPositiveTraitsStart,
    // Virgo
    "You are modest, hard-working and blessed with a sharp, analytical mind. You notice details "
    "that others overlook and you have a gift for bringing order out of chaos. You are practical "
    "and methodical, and you would rather quietly get a job done properly than talk about it. You "
    "are always willing to help, and you find real satisfaction in being useful, which often draws "
    "you to health care, research, editing or any work that calls for precision. You take good "
    "care of your health and you know a great deal about diet and healthy living. Reliable and "
    "intelligent, you keep learning all your life, and your clear thinking and good sense make you "
    "a valued adviser to colleagues and friends.",
    // Libra
    "You are charming, graceful and easy to get along with, and you have a natural talent for "
    "making people feel at ease. Fairness matters deeply to you, and you can see both sides of an "
    "argument, which makes you an excellent diplomat, mediator or judge. You love harmony and "
    "beauty in every form; you have refined taste in art, music, clothes and decoration, and you "
    "often have artistic talent of your own. You are at your best in partnership and you put great "
    "effort into your relationships, being romantic, considerate and affectionate. Sociable and "
    "polite, you enjoy company and conversation, and your gentle tact can calm the most difficult "
    "situation.",
    // Scorpio
    "You are intense, determined and passionate in everything you do. You have great strength of "
    "will, and once you have chosen a goal you pursue it with total dedication, whatever obstacles "
    "stand in your way. Your perception is remarkable: you see through masks and pretenses and you "
    "sense what lies hidden beneath the surface, which makes you an excellent investigator, "
    "researcher, doctor or psychologist. You are resourceful and brave, able to face crisis and "
    "loss and to rebuild your life stronger than before. In love and friendship you are loyal and "
    "deeply committed, and you keep the secrets entrusted to you. Your magnetic presence draws "
    "people to you even when you say very little.",
    // Sagittarius
    "You are optimistic, freedom-loving and full of enthusiasm for life. You have an adventurous "
    "spirit and a great love of travel, and you are happiest when exploring new places, new "
    "cultures and new ideas. You are honest and frank, with a cheerful sense of humor that lifts "
    "the spirits of everyone around you. Your mind reaches for the big picture: philosophy, "
    "religion, law and higher learning all fascinate you, and you enjoy discussing the meaning of "
    "life. You are generous and broad-minded, always ready to give people a second chance. Luck "
    "often seems to be on your side, and your faith that things will turn out well helps them to "
    "do so. You also love sport, animals and the open air.",
    // Capricorn
    "You are serious, responsible and ambitious, with the patience to climb slowly and steadily "
    "toward the top. You plan carefully and you do not give up, so your achievements grow year by "
    "year and often come to full flower later in life. You are practical and disciplined, good at "
    "managing time and money, and you can be trusted with authority. You respect tradition and "
    "experience, and you value a good reputation. Beneath your reserved manner lies a dry, witty "
    "sense of humor and a deep loyalty to family and friends. You are prudent and dependable, and "
    "when others panic you remain calm and work out what must be done.",
    // Aquarius
    "You are independent, original and forward-looking, with a mind that is always open to new "
    "ideas. You value freedom, both for yourself and for others, and you believe in equality and "
    "in the good of humanity as a whole. You are inventive and often far ahead of your time, drawn "
    "to science, technology, astrology and any field where fresh thinking is needed. Friendly and "
    "tolerant, you get on with people of every kind and you have a wide circle of friends who "
    "share your ideals. You are loyal to your causes and willing to work for a better world. Your "
    "honesty, your intelligence and your readiness to question the rules make you a true reformer.",
    // Pisces
    "You are gentle, compassionate and deeply sensitive to the feelings of others. Your "
    "imagination is vast and your intuition strong, and you often have artistic, musical or poetic "
    "gifts. You are kind and selfless, ready to help anyone who is in trouble, and you are drawn "
    "to work where you can heal, care for or inspire others. You have a natural understanding of "
    "the spiritual side of life, and many people born under this sign are mystics, dreamers and "
    "visionaries. You are adaptable and easy-going, able to flow with circumstances instead of "
    "fighting them. Your sympathy and your forgiving nature make you a true friend, and your quiet "
    "wisdom is often greater than you show."
};

const std::array<const char*, SignCount> SignNegativeTraits{
    // Aries
    "You can be impatient and impulsive, rushing into things before you have thought them through. "
    "Your temper flares quickly, and although it passes just as fast, your sharp words can leave "
    "others hurt long after you have forgotten them. You like to have your own way and may become "
    "selfish or bossy when you are crossed. You start many projects with great excitement but lose "
    "interest once the thrill of the beginning is over, leaving others to finish what you began.",
    // Taurus
    "You can be stubborn to the point of refusing to listen, and once you have made up your mind "
    "it is almost impossible to change it. You dislike change of any kind and may stay too long in "
    "a job or a relationship that no longer serves you. Your love of comfort can slide into "
    "laziness and self-indulgence, and your need for security can make you possessive of both "
    "people and things. When pushed too far your slow temper finally breaks, and then your anger "
    "is fierce.",
    // Gemini
    "You are easily bored and may flit from one interest to the next without finishing anything. "
    "Your restless mind can make you nervous and unable to settle, and your changing moods leave "
    "others unsure which side of you they will meet. You can be superficial, knowing a little "
    "about many things but not much about any of them. At times you bend the truth to make a story "
    "better, and you may gossip or talk your way out of commitments you should keep.",
    // Cancer
    "You are very sensitive and can be hurt by a careless remark that others would hardly notice. "
    "When wounded you retreat into your shell, sulk or brood instead of saying what is wrong. Your "
    "moods change like the tides, which can confuse the people around you. You may cling too "
    "tightly to the past and to the people you love, becoming over-protective or smothering. At "
    "times you worry far too much and imagine problems that never come.",
    // Leo
    "You can be proud and vain, and you may need constant praise and attention to feel content. "
    "When you do not get the recognition you think you deserve you may sulk or become dramatic. "
    "You like to be in charge and can turn bossy or arrogant, brushing aside the ideas of others. "
    "Your love of luxury can lead you to overspend in order to make an impression. Once your pride "
    "is hurt you find it hard to admit a mistake.",
    // Virgo
    "You can be overly critical, both of yourself and of others, and your remarks may sound like "
    "nagging even when you mean to help. You are a perfectionist who finds it hard to relax while "
    "anything is out of place. You worry a great deal, especially about your health, and may "
    "become anxious over small matters. Your shyness and reserve can make you seem cold, and you "
    "may get so lost in details that you forget the larger picture.",
    // Libra
    "You find it hard to make up your mind, weighing every choice for so long that the moment to "
    "act may pass. You dislike conflict so much that you may agree to things you do not want, or "
    "hide your true feelings to keep the peace. You can depend too much on others for approval and "
    "find it hard to be on your own. At times you are vain or flirtatious, and your love of "
    "comfort and pleasure can make you lazy.",
    // Scorpio
    "You can be jealous and possessive, demanding total loyalty while keeping your own thoughts "
    "hidden. Your secretive nature makes it hard for others to trust you fully. When hurt you do "
    "not forget, and you may brood over an injury for years or seek revenge. Your intensity can "
    "turn into obsession, and your wish to control situations and people can make you "
    "manipulative. Your sharp tongue can wound deeply when you are angry.",
    // Sagittarius
    "You can be tactless, blurting out the truth without thinking how it will hurt. You are "
    "restless and may find it hard to commit to one person, place or plan. Your optimism can make "
    "you careless and over-confident, so that you promise more than you can deliver or take risks "
    "with money. You dislike routine and detail, and you may preach your own opinions to others "
    "who did not ask for them.",
    // Capricorn
    "You can be too serious and pessimistic, expecting the worst and finding it hard to relax and "
    "enjoy yourself. Your ambition may drive you to put work before people, and you can appear "
    "cold, stiff or unforgiving. You may be rigid in your views and suspicious of new ideas. At "
    "times you are too careful with money, becoming mean, and your wish for status can make you a "
    "snob.",
    // Aquarius
    "You can be stubborn and contrary, holding on to your opinions and rebelling simply for the "
    "sake of being different. You may seem detached and aloof, caring more for humanity in general "
    "than for the feelings of the people closest to you. You dislike being told what to do and may "
    "be unpredictable, changing your plans without warning. Your need for freedom can make close "
    "relationships difficult, and at times you are tactless or eccentric.",
    // Pisces
    "You can be too easily influenced, and your trusting nature leaves you open to being deceived "
    "or used. You tend to escape from harsh reality into daydreams, and you may find it hard to "
    "face problems directly. You are often indecisive and vague, and you may lack self-confidence. "
    "Your sensitivity can bring moodiness and self-pity, and you may take on the troubles of "
    "others until you feel overwhelmed."
};

const std::array<const char*, PlanetCount> PlanetPositiveTraits{
    // Sun
    "The Sun is the center of the solar system and the source of all light and life, and in a "
    "birth chart it stands for the core self: identity, willpower and the drive to shine. It rules "
    "Leo and shows how a person seeks recognition and what gives them a sense of purpose. People "
    "strongly under its influence are confident, warm, generous and creative, with natural "
    "authority and the vitality to lead others. A well-placed Sun gives good health, pride in "
    "one's work and a strong sense of self.",
    // Moon
    "The Moon is the Earth's own satellite and the fastest moving body in the chart, completing "
    "its round of the zodiac in about a month. It rules Cancer and governs the emotions, "
    "instincts, habits and the memory of childhood, as well as the mother and the home. People "
    "strongly influenced by the Moon are caring, imaginative and sensitive, with a good memory and "
    "a deep need for security. The Moon shows how a person responds to others and what makes them "
    "feel safe and nurtured.",
    // Jupiter
    "Jupiter is the largest planet of the solar system, and astrologers call it the Greater "
    "Benefic. It rules Sagittarius and stands for growth, abundance, wisdom and good fortune. "
    "Where Jupiter falls in the chart, life tends to open up and opportunities come easily. Its "
    "natives are optimistic, generous and jovial, with faith in the future and a love of learning, "
    "philosophy, religion, law and long journeys. It also brings a strong sense of justice and the "
    "wish to help others grow.",
    // Mercury
    "Mercury is the smallest planet and the closest to the Sun, and it circles the Sun faster than "
    "any other. Named after the winged messenger of the gods, it rules Gemini and Virgo and "
    "governs the mind, speech, writing, learning, trade and short journeys. People under its "
    "influence are quick-witted, curious, articulate and adaptable, with a talent for languages, "
    "figures and handicrafts. Mercury shows how a person thinks, studies and exchanges information "
    "with others.",
    // Venus
    "Venus, the brightest planet in the night sky, is named after the Roman goddess of love and "
    "beauty. It rules Taurus and Libra and is known as the Lesser Benefic. It governs love, "
    "romance, friendship, art, music and pleasure, and it also shows a person's attitude to money "
    "and possessions. Its natives are charming, affectionate and peace-loving, with refined taste "
    "and a gift for creating harmony between people. Venus shows what a person finds beautiful and "
    "how they give and receive love.",
    // Mars
    "Mars, the red planet, is named after the Roman god of war. It rules Aries and, in traditional "
    "astrology, Scorpio, and it stands for energy, courage, action and desire. Mars shows how a "
    "person asserts themselves, competes and goes after what they want. Its natives are bold, "
    "energetic, independent and enterprising, with great physical strength and stamina; they make "
    "good soldiers, athletes, surgeons and pioneers. A strong Mars gives the drive to turn plans "
    "into action.",
    // Saturn
    "Saturn, the ringed planet, was the most distant planet known to the ancients, and it is "
    "called the Greater Malefic. It rules Capricorn and, traditionally, Aquarius. Saturn governs "
    "time, discipline, duty and structure, and it teaches through limits, delays and hard work. "
    "Its natives are patient, serious, responsible and persevering; their success comes slowly but "
    "lasts. The return of Saturn to its birth position at about the age of twenty-nine marks a "
    "turning point of maturity in every life.",
    // Uranus
    "You are original, inventive and fiercely independent. You think in ways no one else does, and "
    "sudden flashes of insight show you solutions that others cannot see. You are drawn to "
    "science, technology and new ideas, and you are happy to break with tradition when it stands "
    "in the way of progress. You believe in freedom and equality and you make a true friend to "
    "humanity.",
    // Neptune
    "You are bound to be spiritually inclined. You have very good intuitive powers. You have very "
    "good creative and artistic abilities. You are born spiritual leaders. You are a genius in the "
    "making only if you put your mind to it.",
    // Pluto
    "You have tremendous inner strength and the power to transform yourself and the world around "
    "you. You are not afraid of crisis, loss or endings, because you know that something new is "
    "born from them. You see deeply into people and situations, and you can uncover what others "
    "keep hidden. Your determination and willpower are immense, and once committed you never give "
    "up."
};

const std::array<const char*, PlanetCount> PlanetNegativeTraits{
    // Sun
    "When the Sun is afflicted its natives can be arrogant, self-centered and domineering, needing "
    "to be admired and unwilling to share the stage. Pride may turn into vanity and a craving for "
    "status. A weak Sun can show the opposite fault: low vitality, poor self-esteem and difficulty "
    "with fathers or figures of authority.",
    // Moon
    "A troubled Moon makes its natives moody and changeable, their feelings swinging as the Moon "
    "moves through its phases. They can be over-sensitive, clinging and dependent, easily hurt and "
    "slow to let go of the past. Worry, irrational fears and an unhealthy attachment to home and "
    "mother are also shown.",
    // Jupiter
    "The generosity of Jupiter can easily become excess. Its natives may overindulge in food, "
    "drink and spending, promise more than they can deliver and take foolish gambles in the belief "
    "that luck will always save them. They can be self-righteous and preachy, convinced that their "
    "own beliefs are the only truth, and weight gain or problems of the liver may follow.",
    // Mercury
    "An afflicted Mercury produces a restless, nervous mind that cannot settle on one thing. Its "
    "natives may be inconsistent, gossipy or cunning, using their cleverness to mislead or "
    "deceive. They can also be critical and argumentative, and they may suffer from nervous "
    "tension, sleeplessness or problems with speech.",
    // Venus
    "When Venus is poorly placed its natives can be lazy, vain and self-indulgent, with too great "
    "a love of comfort and luxury. They may be extravagant with money, flirtatious and unreliable "
    "in love, or so eager to please that they avoid every quarrel and never stand up for "
    "themselves.",
    // Mars
    "An afflicted Mars makes its natives impatient, quarrelsome and aggressive, quick to anger and "
    "ready to fight. They may act rashly and take dangerous risks, which can bring accidents, "
    "cuts, burns and fevers. Selfishness, cruelty and a brutal lack of consideration for others "
    "are the worst expressions of this planet.",
    // Saturn
    "Under a difficult Saturn its natives can be cold, rigid and pessimistic, burdened by fear, "
    "guilt and a sense of being held back. They may be miserly, harsh with themselves and with "
    "others, and prone to loneliness and depression. Delays, obstacles and chronic illness, "
    "especially of the bones, teeth and joints, are also associated with this planet.",
    // Uranus
    "You can be rebellious and unpredictable, changing course without warning and upsetting the "
    "people around you. You may reject rules simply because they are rules. Your need for freedom "
    "can make you cold and detached in close relationships, and your nervous energy may leave you "
    "tense and restless.",
    // Neptune
    "You can be confused and easily deceived, and you may deceive yourself most of all. You tend "
    "to escape from reality through daydreams, and at worst through alcohol or drugs. You may be "
    "vague, unreliable and impractical, and you should guard against people who take advantage of "
    "your kindness.",
    // Pluto
    "You can be very aggressive and dominating. Do not resort to violence at any cost. Your "
    "controlling nature can prove to be too difficult to handle for others."
};

const std::array<const char*, HouseCount> HouseAttributes{
    // House 1
    "The first house begins at the Ascendant, the sign that was rising on the eastern horizon at "
    "the moment of birth, and it is the most personal point in the chart. It describes the self as "
    "others first see it: physical appearance, build, manner and the first impression a person "
    "makes. It also shows temperament, health and vitality and the way a person meets new "
    "situations and begins things. Planets here are strongly expressed in your personality and "
    "color the way you present yourself to the world. The sign on the cusp of this house acts as a "
    "mask or a doorway through which the rest of your chart is expressed, and it shows the kind of "
    "start you had in life.",
    // House 2
    "The second house is the house of money and possessions. It shows how a person earns and "
    "spends, what resources they have, and the attitude they take toward material security. It "
    "covers income, savings, movable property and everything that a person owns, but also the "
    "talents and skills that can be turned into a living. On a deeper level it describes "
    "self-worth and personal values: what you truly value, and how much you feel you are worth. "
    "Planets here show where money comes from and how easily it flows, whether you tend to save or "
    "to spend, and what gives you a sense of stability. The second house also tells of your "
    "capacity to enjoy physical comforts and pleasures.",
    // House 3
    "The third house rules communication in all its forms: speaking, writing, listening, reading, "
    "letters, telephone calls and messages. It describes the everyday mind, the way a person "
    "thinks, learns and expresses ideas, and the early education received at school. Brothers, "
    "sisters, cousins and neighbors belong to this house, as does the local neighborhood in which "
    "you move about each day. It also governs short journeys, commuting and means of transport. "
    "Planets here show how curious and how quick-witted you are, how well you get on with your "
    "siblings, and whether you are likely to work with words, as a writer, teacher, journalist or "
    "salesperson.",
    // House 4
    "The fourth house lies at the very bottom of the chart, the Imum Coeli, and it represents the "
    "roots of a person's life. It describes the home, the family and the parents, traditionally "
    "the parent who nurtured you most, as well as your ancestry, heritage and the country of your "
    "birth. It shows the kind of home you create for yourself, your attitude to property and land, "
    "and the emotional foundation on which everything else is built. This house also tells of the "
    "last part of life and the circumstances of old age. Planets here show what makes you feel "
    "secure and where you belong, and how your childhood experiences shape the adult you become.",
    // House 5
    "The fifth house is the house of pleasure, creativity and self-expression. It rules romance "
    "and love affairs, flirtation and the joy of falling in love, as well as children, pregnancy "
    "and the bond between a parent and a child. It also covers hobbies, games, sports, holidays, "
    "parties, the theater and every form of entertainment, together with speculation, gambling and "
    "risk-taking. Creative work of all kinds belongs here: painting, music, acting and writing "
    "done for the love of it. A person with strong planets in this house shines on stage, loves to "
    "play and wants their talent noticed by others. It shows what makes your heart sing, whether "
    "that is a quiet caf\u00e9 with a lover or a crowd applauding you.",
    // House 6
    "The sixth house governs daily work, routine and health. It describes the job a person does "
    "each day, the conditions of the workplace and relations with colleagues, employees and those "
    "who serve you. It shows your habits, diet, exercise and the care you give your body, and the "
    "illnesses you may be prone to, especially those caused by stress or poor habits. It is also "
    "the house of service, of duty and of the wish to be useful, and it rules small pets and "
    "domestic animals. Planets here show how efficient, methodical and health conscious you are, "
    "and whether you find satisfaction in doing a task well. A balanced sixth house brings healthy "
    "routines and work you can take pride in.",
    // House 7
    "The seventh house lies opposite the first, at the Descendant, and where the first house is "
    "the self, this house is the other. It rules marriage and all close partnerships, in love and "
    "in business, as well as contracts, agreements and legal matters. It describes the kind of "
    "partner a person is drawn to and the qualities they look for in others, often qualities they "
    "have not yet developed in themselves. It also shows open enemies, rivals and lawsuits, since "
    "these too are relationships of one to one. Planets here reveal how you cooperate, compromise "
    "and share your life, and how successful and lasting your marriage and partnerships are likely "
    "to be.",
    // House 8
    "The eighth house is the house of death and rebirth, of sex and of the resources that people "
    "share. It rules inheritance, legacies, taxes, insurance, debts and the money of a partner or "
    "of other people. It is the most mysterious house, connected with secrets, the occult, "
    "psychology and every kind of hidden knowledge, and with the crises that force a person to "
    "change. Death here means not only the end of the body but any ending that leads to "
    "transformation. Planets in this house show how you deal with intimacy, loss and power, how "
    "deeply you are willing to look into yourself, and how you may be renewed by letting go of "
    "what is no longer needed.",
    // House 9
    "The ninth house is the house of the higher mind. It rules long journeys and foreign "
    "countries, foreign languages and cultures, and the widening of outlook that travel brings. It "
    "covers higher education, universities, philosophy, religion, law and publishing, and it "
    "describes the beliefs and the moral code by which a person lives. Where the third house deals "
    "with facts, this house searches for meaning. It also rules in-laws and teachers of wisdom. "
    "Planets here show how far you are willing to travel, in body or in mind, to find the truth, "
    "how open you are to new ideas and whether you may teach, write, preach or live abroad. A "
    "strong ninth house gives a broad and optimistic view of life.",
    // House 10
    "The tenth house begins at the Midheaven, the highest point of the chart, and it is the most "
    "public house of all. It describes career, vocation and ambition, the position a person "
    "reaches in the world, and the reputation and public image they earn. It rules status, honor, "
    "authority and those in power over us, such as employers and government, and traditionally one "
    "of the parents. It shows what you want to achieve and the kind of recognition you hope for. "
    "Planets here are visible to everyone and often shape your choice of profession. Where the "
    "fourth house shows your roots and private life, the tenth house shows what you build in the "
    "outer world and what you will be remembered for.",
    // House 11
    "The eleventh house is the house of friends, groups and hopes for the future. It rules "
    "friendships, acquaintances, clubs, societies, networks and every kind of association of "
    "people who share a common aim. It also describes the wishes, goals and ideals a person holds, "
    "and the support that comes from others in achieving them. Humanitarian and political causes "
    "belong here, and so do the gains that come from a career. Planets in this house show what "
    "kind of friends you attract, how well you work as part of a team, and what you dream of for "
    "yourself and for society. A well-placed eleventh house brings helpful friends and the "
    "fulfillment of long-held wishes.",
    // House 12
    "The twelfth house is the last house of the chart, the house of endings, secrets and the "
    "unconscious. It rules what is hidden: secret enemies, private sorrows, fears and the patterns "
    "of behavior that a person cannot see in themselves, which is why it is called the house of "
    "shortcomings and self-undoing. It also governs hospitals, prisons, monasteries and every "
    "place of retreat from the world, as well as charity, sacrifice and service to those in need. "
    "On a higher level it is the house of spirituality, compassion and the dissolving of the ego. "
    "Planets here show where you must let go, and how time alone, meditation or dreams can bring "
    "healing and inner peace."
};

} // namespace modLearnAstrology::texts
