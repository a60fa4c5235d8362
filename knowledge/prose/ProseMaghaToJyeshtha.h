#pragma once

#include "knowledge/NakshatraProse.h"

// Descriptive paragraphs, rows 10 to 18 of the profile table, in zodiac order. Written for this program.
inline constexpr NakshatraProse proseMaghaToJyeshtha[] = {
    // Magha
    {
        "Magha, the tenth nakshatra, occupies the opening stretch of Leo, from 0°00′ to 13°20′ of that sign, "
        "where the royal star Regulus shines. Ketu is its ruling planet and the Pitara, the forefathers of "
        "every family line, are its ruling deva; its emblem is a house or a palanquin, the seat in which "
        "kings and elders were once carried. People born under Magha have a natural air of dignity, with an "
        "upright posture, a broad forehead, a firm chin and a steady, measured gaze. Many have a full voice "
        "and a gait that seems unhurried even when they are busy.",
        "The blessing of the forefathers gives Magha natives a deep respect for tradition, family and the wisdom of "
        "those who came before them. They are loyal to their lineage and feel bound to honour its name, and this "
        "sense of duty makes them generous hosts and dependable protectors of the people in their care. Leadership "
        "comes to them without effort; others sense their authority and are glad to follow. They are frank, "
        "open-handed and warm, and they give their word sparingly but keep it faithfully. Ketu lends them an inner "
        "detachment, so that behind the love of ceremony there is often a real spiritual hunger and an interest in "
        "ancestry, history and ritual. Like the rat, their animal, which stores up for lean times, they work hard to "
        "build something lasting. They value good manners and fine things, and meet setbacks with pride rather than "
        "complaint. Their courage is genuine, and they will stand up for a weaker person even at some cost to "
        "themselves.",
        "The pride that lets Magha natives lead can harden into arrogance, and they may expect the deference "
        "due to a king from people who owe them none. Their reverence for the past sometimes makes them "
        "rigid, suspicious of new ideas and quick to dismiss anyone without the right background. The "
        "ferocious nature of this star shows in a hot temper when they feel slighted, and an insult, real or "
        "imagined, is not easily forgotten. They can spend lavishly to keep up appearances, and their love of "
        "status may leave them open to flattery. Ketu's influence can make them restless and dissatisfied "
        "even amid success, and now and then they withdraw into a cold aloofness that hurts those closest to "
        "them.",
        "Positions of authority come naturally to Magha natives: government service, administration, "
        "management and politics. Historians, genealogists, archaeologists, priests and keepers of heritage "
        "also thrive under this star.",
        "Natives of Magha guard the honour of their family and usually enjoy a stable marriage, with a partner who "
        "makes room for their pride. They dote on their children and stay close to parents and elders.",
        "Magha governs the lips and chin in the tradition, which ties the star to the mouth, the teeth and the throat "
        "and, in later years, to the heart and the back; its dosha is Kapha, slow and heavy.",
    },
    // Poorva Phalguni
    {
        "Counted eleventh among the nakshatras, Poorva Phalguni lies wholly within Leo, reaching from 13°20′ to "
        "26°40′ of the sign. Venus is its ruling planet, and Bhaga, the demigod of lavishness who sees that good "
        "fortune is shared out, is its ruling deva. Its emblem is a fireplace, the warm hearth around which a "
        "household gathers to rest and celebrate. Those born here are often graceful and well proportioned, with soft "
        "features, a clear complexion, bright expressive eyes and an easy, charming smile.",
        "Warmth is the gift of Poorva Phalguni, and its natives radiate it in every room they enter. Bhaga's blessing "
        "makes them generous with their time, money and affection; they love to share good fortune and are happiest "
        "when everyone around them is comfortable and at ease. Venus gives them refined taste, an eye for beauty and "
        "a talent for music, dance, poetry or decoration, and they bring a playful creativity to whatever they touch. "
        "They are sociable and diplomatic, with the quick wits of the rat, their animal, and can smooth over a "
        "quarrel with a kind word or a joke. Loyal in friendship and romantic at heart, they are capable of real "
        "devotion to a partner. Behind their ease lies a sincere wish to make life pleasant for others, and many are "
        "gifted hosts whose homes become the natural meeting place for family and friends.",
        "The love of pleasure that makes Poorva Phalguni natives such charming company can slide into indulgence and "
        "idleness when nothing presses them to work. They may spend beyond their means on comforts and display, and "
        "the lavishness of Bhaga is not always matched by prudence. Vanity, a craving for admiration and sudden "
        "bursts of temper when their wishes are refused reveal the fiercer side of this star. In love they can be "
        "possessive or fickle, and a taste for flattery may lead them to trust the wrong people. Some put off "
        "unpleasant duties again and again, preferring enjoyment now to effort later, and they can grow careless with "
        "promises once the mood that made them has passed.",
        "Poorva Phalguni natives flourish in the arts and in trades that give pleasure: acting, music, dance, "
        "fashion, cosmetics, interior design, hospitality, event planning and the sale of luxury goods.",
        "Marriage means a great deal to Poorva Phalguni natives, and they make affectionate, attentive "
        "spouses who fill the home with comfort and celebration. Family life is usually happy, provided "
        "spending is kept in check.",
        "Poorva Phalguni is given the right hand in the traditional lists, so the star is linked with strains of the "
        "hand and wrist; its Pitta dosha and its love of pleasure connect it with the effects of rich living on "
        "weight and on the body's heat.",
    },
    // Uttara Phalguni
    {
        "Uttara Phalguni, the twelfth nakshatra, bridges two signs: it begins at 26°40′ of Leo and ends at 10°00′ of "
        "Virgo. Its ruling planet is the Sun, and its ruling deva is Aryama, lord of the manes, patron of contracts, "
        "hospitality and honourable alliances. A small bed is its emblem, standing for the rest earned after a day's "
        "work and the bond shared by partners. Its natives are commonly tall or of middle height with a sturdy frame, "
        "a broad, open face, a straight nose and a calm, friendly expression, and many keep a healthy look well into "
        "later life.",
        "Uttara Phalguni natives are known for their reliability: what they promise they perform, and their "
        "friendships last for decades. Aryama, guardian of agreements and of kindly patronage, makes them fair-minded "
        "helpers who take pleasure in supporting others and expect little in return. The Sun gives them dignity, "
        "self-respect and a clear sense of purpose, while the practical sign of Virgo, where most of the star lies, "
        "tempers that fire with good sense, order and attention to detail. They are courteous and hospitable, good at "
        "building partnerships in business and in marriage, and they share credit readily. The fixed nature of their "
        "star roots them like a post driven into the ground: pressure does not shake them, and with the placid "
        "strength of the cow, their animal, they have the patience for undertakings that take years. Many have a "
        "quiet philanthropic streak and a deep wish to leave the world more just than they found it.",
        "Uttara Phalguni natives pay for their dependability: the strong sense of duty behind it can turn into "
        "stubbornness, and once they have chosen a course they rarely change it. Their pride, lit by the Sun, is "
        "easily wounded, and criticism may be met with cold silence or an injured lecture. Because they give so "
        "freely, they can feel cheated when help is not returned, and resentment then builds slowly beneath a polite "
        "surface. Some become overbearing with those who depend on them, confusing patronage with control, while "
        "others fret over details and grow anxious or sharp-tongued when plans go astray.",
        "Trusted roles suit Uttara Phalguni natives: management, the civil service, social work, teaching, "
        "counselling, law and mediation, and any work built on contracts and partnerships, such as trade, "
        "banking or public relations.",
        "Partnership is central to the lives of Uttara Phalguni natives, who tend to make loyal, protective "
        "spouses and responsible parents. They do best with a partner who values their steadiness and "
        "forgives their occasional sternness.",
        "By tradition Uttara Phalguni governs the left hand and arm; its Vata dosha links the star with an unsettled "
        "digestion, nervous strain and uneven circulation, above all in times of overwork.",
    },
    // Hasta
    {
        "Fully contained in Virgo, Hasta lies between 10°00′ and 23°20′ of the sign and is the thirteenth of the "
        "twenty-seven nakshatras. The Moon is its ruling planet and Aditya, the Sun as demigod of light, its ruling "
        "deva, so the two great lights of the sky share its rule. Its emblem is the fist, a hand closed around what "
        "it has skilfully won. Natives often have slender, well-formed hands and nimble fingers, a medium build, "
        "bright, lively eyes and a fresh face that seems to age slowly.",
        "Skill in the hands and quickness of mind are the marks of Hasta. Its natives learn crafts with ease and can "
        "turn their fingers to almost anything, from needlework and surgery to writing, sculpture or sleight of hand. "
        "With the two lights of the sky for rulers, they have two kinds of brightness: the Moon's, which makes them "
        "sensitive, imaginative and responsive to the moods of others, and Aditya's, the clarity, cheerfulness and "
        "warmth of daylight. They are resourceful problem-solvers who find practical answers where others see only "
        "difficulty, and they bring to their work the steady endurance of the buffalo, their animal, along with "
        "punctuality and method. Their humour is quick and kindly; they are pleasant company and good at winning "
        "people over. Many are drawn to healing and service, and the light, swift nature of their star helps them "
        "settle gracefully into new places and new tasks.",
        "Clever hands can become grasping ones, and the fist of Hasta may close too tightly on money or "
        "possessions. Restlessness is a frequent weakness: natives can jump from one plan to another, and the "
        "Moon's changeable light makes their moods rise and fall. Their talent for persuasion sometimes "
        "drifts into manipulation or cunning, and a few lean on wit and charm where honest effort is called "
        "for. They may worry about security far more than their circumstances warrant, and impatience with "
        "slower people can make them critical and sharp. When hurt, they often hide their feelings behind a "
        "smile and let the grievance fester.",
        "Hasta favours handicrafts, surgery, massage and the healing arts, as well as painting, writing, "
        "printing, accounting, trade, comedy and any work that calls for dexterity and quick thinking.",
        "People born under Hasta are caring and attentive at home and tend to build a harmonious household. A "
        "calm, supportive spouse helps to steady their changing moods.",
        "Hasta's part of the body is the fingers, which the tradition links with aches and cramps from busy hands "
        "and, in later years, with stiff joints; as a Vata star it is associated with nervous tension, light sleep "
        "and an unsettled bowel.",
    },
    // Chitra
    {
        "Spanning two signs, Chitra runs from 23°20′ of Virgo to 6°40′ of Libra; it is the fourteenth "
        "nakshatra and is marked by the brilliant star Spica. Mars rules it, and its ruling deva is Thvasta, "
        "known also as Vishwakarma, the architect of the demigods, who fashioned their palaces and their "
        "weapons. Its emblem is a pearl, lustrous and perfectly shaped. Chitra natives are frequently "
        "striking in appearance, with shapely limbs, a graceful neck, fine features and bright, attractive "
        "eyes that draw attention.",
        "Natives of Chitra carry the creative spark of Thvasta, the heavenly craftsman, and love to shape beauty out "
        "of raw material. They have a keen eye for form, colour and proportion, and they excel at design, decoration "
        "and anything that rewards imagination joined to precision. Mars gives them energy, courage and the drive to "
        "see their visions built, while the half of the star that lies in Libra adds charm, balance and social grace. "
        "They are lively conversationalists, stylish in dress and surroundings, and they bring a sense of occasion to "
        "ordinary days. Independent and self-motivated like the tiger, their animal, they seldom wait to be told what "
        "to do. Like a pearl formed slowly around a grain of sand, their best qualities often grow out of difficulty, "
        "and they come through trials wiser and more polished.",
        "A wish to be admired shadows Chitra's flair, and its natives may come to care more for appearance than for "
        "substance. Mars and the star's Rakshasa temperament lend a quick, combative temper, and they can be "
        "argumentative or cutting when their taste or judgement is questioned. Some are self-centred and impatient "
        "with people who cannot keep up with them, and they lose interest once the excitement of a new project wears "
        "off, leaving work half done. Their charm attracts admirers easily, but vanity or a roving eye can strain "
        "their relationships, and they may spend freely on beautiful things they do not need.",
        "Chitra natives are suited to architecture, engineering, interior and fashion design, jewellery, photography, "
        "painting, sculpture, surgery and film-making, and to any work that creates or repairs.",
        "A beautiful, well-ordered home matters greatly to those born under Chitra. The tradition speaks of friction "
        "in the early years of marriage, which patience and shared creative interests turn into lasting harmony.",
        "The neck is Chitra's in the traditional scheme, and the star is linked with the throat and with stiffness of "
        "the neck and shoulders; its Pitta dosha adds complaints of heat such as fevers, skin rashes and acidity.",
    },
    // Swati
    {
        "In the fifteenth place among the nakshatras stands Swati, which lies wholly within Libra, from 6°40′ to "
        "20°00′ of that sign, and holds the bright star Arcturus. It is ruled by Rahu, and its ruling deva is Vayu, "
        "demigod of wind, whose restless breath moves all living things. Its emblem is a coral, which grows slowly "
        "yet endures in shifting waters. Natives are usually slender, tall or of medium height, light on their feet, "
        "with soft, well-kept features, a gentle voice and refined, courteous manners.",
        "Swati natives need freedom to move, think and choose for themselves, like Vayu, the wind that rules their "
        "star, and they respect the same freedom in others. They are flexible and diplomatic, able to bend without "
        "breaking, and they make friends in every circle. A quick, curious intelligence and a gift for communication "
        "come to them with the wind; Rahu's contribution is sharper, an ambition and a flair for business and for "
        "dealings with foreign lands. They are fair-minded, courteous and gentle in speech, and seldom wish to hurt "
        "anyone. Patient and persistent as the buffalo, their animal, they build their fortunes step by step, as "
        "coral grows, and many become self-made and prosperous. Their love of learning stays with them throughout "
        "life, and they are often drawn to travel, philosophy and spiritual study.",
        "The adaptability that wins Swati natives friends can also make them indecisive, swayed this way and that by "
        "every new opinion. Their love of freedom may become a fear of commitment, and they can drift away from "
        "people or plans without explanation. Rahu brings a strong appetite for wealth and status, and in pursuing it "
        "they may cut corners or turn secretive. Some are oversensitive to criticism yet reluctant to voice their own "
        "grievances, so that resentment goes unspoken. When restless, they scatter their energy across too many "
        "ventures and finish few of them.",
        "Independent professions serve Swati natives well, above all trade with foreign lands, along with "
        "law, diplomacy, travel, aviation, sales, teaching and research.",
        "A marriage built on mutual respect and room to breathe suits Swati natives best. Given trust and "
        "freedom, they are loyal, considerate partners and gentle parents.",
        "Swati, a star of the wind, is given the chest by tradition, which ties it to the breath: coughs and "
        "congestion are the complaints it names, and with its Kapha dosha the old lists add the skin, the kidneys and "
        "the bladder.",
    },
    // Vishakha
    {
        "From 20°00′ of Libra to 3°20′ of Scorpio runs Vishakha, the sixteenth nakshatra, bridging the sign "
        "of balance and the sign of depth. Jupiter is its ruling planet, and its ruling deva is Shakragni, "
        "the joined power of Indra and Agni, king of the gods and god of fire. Its emblem is a potter's "
        "wheel, turning steadily as it gives shape to clay. People born here are commonly of medium height, "
        "strong and well built, with a broad, bright face, a sharp gaze and a confident way of speaking.",
        "Vishakha is the star of purpose. Its natives fix their eyes on a goal as the tiger, their animal, fixes on "
        "its prey, and pursue it with a determination few can match, drawing on the fire of Agni for zeal and on the "
        "royal strength of Indra for command. Jupiter gives them wisdom, a love of learning and a sincere interest in "
        "ethics, religion and the law, so their ambition is usually joined to a sense of what is right. They are "
        "energetic, articulate and persuasive, and their enthusiasm lifts those who work beside them.\r\n\r\n"
        "Like the potter at the wheel, they are patient shapers of their own destiny, knowing that success comes from "
        "steady turns rather than a single push. Once they have achieved something they are hospitable and generous, "
        "loyal to those who helped them on the way, and fond of the ceremonies and festivals that mark the milestones "
        "of life. Many grow more serene with age and turn their considerable drive towards teaching, service or "
        "spiritual aims.",
        "When thwarted, Vishakha natives can let their single-mindedness harden into ruthlessness. The sharp edge of "
        "this star and its Rakshasa temperament show as jealousy of rivals, impatience and a readiness to quarrel, "
        "and they may judge others harshly while excusing themselves. Agni's fire can flare into anger, and Indra's "
        "pride into a need to win every contest. Some stay restless and discontented even after great achievements, "
        "always looking to the next prize, and the wish to succeed may tempt them into compromises they later regret. "
        "In argument they can be stubborn and slow to admit a mistake.",
        "Vishakha produces capable politicians, lawyers, judges, teachers, priests, researchers and business leaders; "
        "speaking, debating and campaigning for a cause suit its natives especially well.",
        "Ambition can keep Vishakha natives away from home, yet they are dutiful and generous spouses. A "
        "partner who shares their goals keeps the marriage warm and the family united.",
        "In the traditional body scheme Vishakha governs the breasts and the chest around them; its Kapha dosha links "
        "the star with a slow digestion and easy weight gain, and the old lists add the kidneys.",
    },
    // Anuradha
    {
        "Anuradha is the seventeenth nakshatra and lies in Scorpio from 3°20′ to 16°40′ of the sign. Saturn is its "
        "ruling planet, and Mitra, the demigod of the brain, of friendship and of faithful agreements, is its ruling "
        "deva. Its emblem is a lotus flower, which rises clean and open from muddy water. Its natives tend to have a "
        "pleasant, well-balanced face, deep and expressive eyes, a medium frame that is slim in early life, and a "
        "warm, approachable manner.",
        "Mitra, the friend among the gods, blesses Anuradha natives with a talent for forming loyal bonds with people "
        "of every kind. They cooperate readily, work well in groups and organisations, and often bring together "
        "people who would never otherwise have met. Saturn's discipline runs through them: they are patient and "
        "enduring, able to keep going through hardships that would break others, and like the lotus they rise above "
        "difficult surroundings without losing their purity. They are devoted to their ideals and to the people they "
        "love, and gentle as the hare, their animal, they are thoughtful in speech and sincere in feeling. Many have "
        "a strong interest in travel and foreign lands, a keen, searching mind, and a quiet spiritual depth that "
        "grows with age. They honour their commitments and can be trusted with a confidence.",
        "The deep feelings that make Anuradha natives so loyal can also make them jealous, possessive and slow to "
        "forgive. Saturn may cast a shadow of melancholy over them, and in low moods they become withdrawn, "
        "pessimistic or self-pitying. The intensity of Scorpio lends an undercurrent of suspicion, so they may test "
        "friends more than is fair or hold on to grudges long after the cause has passed. Some are controlling with "
        "those close to them, and a stubborn streak makes them resist well-meant advice. They also find it hard to "
        "show anger openly, so it leaks out as sarcasm or sullen silence.",
        "Work in organisations and partnerships brings out the best in Anuradha natives: management, "
        "diplomacy, human resources, counselling, research, mining, occult studies, photography and the "
        "promotion of music or the arts.",
        "Devoted and protective, Anuradha natives value a stable home above most things and work steadily to provide "
        "for their families, though jealousy can strain the bonds they cherish.",
        "Anuradha rules the stomach in the old body lists, and its Pitta dosha, hot and sharp, is associated there "
        "with acidity and an uneven digestion; the throat and the bowel are also counted among its sensitive places.",
    },
    // Jyeshtha
    {
        "The red star Antares marks Jyeshtha, the eighteenth nakshatra, which covers the final stretch of Scorpio "
        "from 16°40′ to 30°00′. Its ruling planet is Mercury and its ruling deva is Indra, also called Vasava, king "
        "of the demigods and wielder of the thunderbolt. An umbrella is its emblem, the canopy held over a ruler as a "
        "sign of both rank and protection. Those born here are often of compact, strong build with a prominent face, "
        "a penetrating gaze and a commanding presence that lends them authority even when young.",
        "Jyeshtha means the eldest, and its natives often carry the responsibilities of an elder from an early age. "
        "Courage, authority and a protective instinct are Indra's marks on them, and they shelter the weak just as "
        "the umbrella shields those beneath it. Theirs is Mercury's intelligence too, sharp and practical, with a way "
        "with words and a talent for strategy. Alert as the hare, their animal, they sense trouble early, rise to "
        "challenges, keep calm in a crisis and take charge when others hesitate. Self-reliant and proud of their "
        "independence, they prefer to earn what they have, and they are generous to those in need. Many possess a "
        "hidden depth: beneath a reserved exterior lies a keen understanding of human nature and a real wish to use "
        "their power well.",
        "Authority sits easily on Jyeshtha natives, but it can turn into arrogance and a wish to dominate "
        "everyone around them. Indra in the old stories was jealous of rivals, and these natives too may feel "
        "threatened by the success of others and resort to scheming to stay on top. Their sharp tongue can "
        "wound, and they are capable of secrecy and cunning when they feel insecure. Pride makes it hard for "
        "them to ask for help, so they may carry burdens alone until they grow bitter or irritable. A "
        "restless mind brings sudden changes of mood, and a few indulge too freely in pleasures to escape "
        "their inner tension.",
        "Jyeshtha suits leaders and guardians: administrators, military and police officers, detectives, "
        "security chiefs, politicians, managers, and the speakers and writers who shape public opinion.",
        "As head or protector of the family, Jyeshtha natives take their role seriously, though a need for "
        "control can cause friction at home. Marriage thrives with an independent and patient partner.",
        "Jyeshtha governs the right side of the trunk, and the tradition links the star with pains of the side, the "
        "liver and the shoulder; as a Vata star it is also associated with the arms and with nervous exhaustion.",
    },
};
