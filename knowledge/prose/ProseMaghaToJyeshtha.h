#pragma once

#include "knowledge/NakshatraProse.h"

// Descriptive paragraphs, rows 10 to 18 of the profile table, in zodiac order. Written for this program.
inline constexpr NakshatraProse proseMaghaToJyeshtha[] = {
    // Magha
    {
        "Magha, the tenth nakshatra, occupies the opening stretch of Leo, from 0°00′ to 13°20′ of that sign, where "
        "the royal star Regulus shines. Ketu is its ruling planet and the Pitara, the forefathers of every family "
        "line, are its ruling deva; a house or a palanquin, the seat in which kings and elders were once carried, is "
        "its emblem. People born under Magha have a natural air of dignity, with an upright posture, a broad "
        "forehead, a firm chin and a steady, measured gaze, and many have a full voice and an unhurried gait.",
        "The blessing of the forefathers gives those born under Magha a deep respect for tradition, family and the "
        "wisdom of earlier generations. They feel bound to honour their lineage, and this sense of duty makes them "
        "generous hosts and dependable protectors of the people in their care. Leadership comes to them without "
        "effort; others sense their authority and are glad to follow. Their Rakshasa temperament, in the traditional "
        "meaning of the word, is an independent will and an intensity of purpose that does not bend to fashion. Ketu "
        "adds an inner detachment, so that behind the love of ceremony there is often a real spiritual hunger and an "
        "interest in ancestry, history and ritual. Like the rat, which stores up for lean times, they work hard to "
        "build something lasting, and their courage is genuine: they will stand up for a weaker person even at some "
        "cost to themselves.",
        "Pride lets those born under Magha lead, and it can also harden into arrogance, so that they expect the "
        "deference due to a king from those who owe them none. Reverence for the past sometimes makes them rigid, "
        "suspicious of new ideas and quick to dismiss anyone without the right background. The ferocious nature of "
        "the star shows in a hot temper when they feel slighted, and an insult, real or imagined, is not easily "
        "forgotten. They can spend lavishly to keep up appearances, and their love of status leaves them open to "
        "flattery. Ketu can make them restless even amid success, and now and then they withdraw into a cold "
        "aloofness that hurts those closest to them.",
        "Positions of authority come naturally to people born under Magha: government, administration, management and "
        "politics. Historians, genealogists, archaeologists and priests also thrive under this star.",
        "Family honour matters greatly to Magha's people, and their home often feels like the seat of a clan, with "
        "elders' portraits on the walls and every festival kept. They stay close to parents and grandparents all "
        "their lives.",
        "Magha governs the lips and chin in the tradition, the features of speech and of a dignified bearing. Its "
        "Kapha dosha is slow and heavy, giving those born under it great endurance but a slow start; steady routines "
        "keep them strong.",
    },
    // Poorva Phalguni
    {
        "Counted eleventh among the nakshatras, Poorva Phalguni lies wholly within Leo, reaching from 13°20′ to "
        "26°40′ of the sign. Its planet is Venus, and Bhaga, the demigod of lavishness who sees that good fortune is "
        "shared out, is its ruling deva. The image that stands for it is a fireplace, the warm hearth around which a "
        "household gathers to rest and celebrate. Grace and good proportion are common among its people, with soft "
        "features, a clear complexion, bright expressive eyes and an easy, charming smile.",
        "Warmth is the gift of Poorva Phalguni, and the people born under it radiate it in every room they enter. "
        "Bhaga's blessing makes them generous with time, money and affection; they love to share good fortune and are "
        "happiest when everyone around them is at ease. From Venus come refined taste, an eye for beauty and a talent "
        "for music, dance, poetry or decoration, and they bring a playful creativity to whatever they touch. Sociable "
        "and diplomatic, with the quick wits of the rat, their animal, they can smooth over a quarrel with a kind "
        "word or a joke. Loyal in friendship and romantic at heart, they are capable of real devotion. Behind their "
        "ease lies a sincere wish to make life pleasant for others, and many are gifted hosts whose homes become the "
        "natural meeting place for family and friends.",
        "The love of pleasure that makes Poorva Phalguni's people such charming company can slide into indulgence and "
        "idleness when nothing presses them to work. They may spend beyond their means on comforts and display, and "
        "Bhaga's lavishness is not always matched by prudence. Vanity, a craving for admiration and sudden bursts of "
        "temper when their wishes are refused reveal the fiercer side of the star. In love they can be possessive or "
        "fickle, and a taste for flattery may lead them to trust the wrong people. Some put off unpleasant duties "
        "again and again, preferring enjoyment now to effort later.",
        "People born under Poorva Phalguni flourish in the arts and in trades that give pleasure: acting, music and "
        "dance, fashion and cosmetics, interior design, hospitality and event planning.",
        "The hearth that stands for Poorva Phalguni says much about the homes of its people: warm, comfortable and "
        "full of celebration. They love to entertain, remember every birthday and make a partner, family and friends "
        "feel cherished.",
        "Poorva Phalguni is given the right hand in the traditional lists, the hand that gives and receives. With "
        "Pitta for its dosha the star runs warm and lively, and its people recover their bright energy in leisure and "
        "good company.",
    },
    // Uttara Phalguni
    {
        "Uttara Phalguni, the twelfth nakshatra, bridges two signs: it begins at 26°40′ of Leo and ends at 10°00′ of "
        "Virgo. Its ruling planet is the Sun, and its ruling deva is Aryama, lord of the manes, patron of contracts, "
        "hospitality and honourable alliances. A small bed is its emblem, standing for the rest earned after a day's "
        "work and the bond shared by partners. Someone born under it is commonly tall or of middle height, with a "
        "sturdy frame, a broad, open face, a straight nose and a calm, friendly expression.",
        "Reliability is the mark of Uttara Phalguni: what its people promise they perform, and their friendships last "
        "for decades. Aryama, guardian of agreements and of kindly patronage, makes them fair-minded helpers who take "
        "pleasure in supporting others and expect little in return. The Sun shows in their dignity, self-respect and "
        "clear sense of purpose, while the practical sign of Virgo, where most of the star lies, tempers that fire "
        "with good sense, order and attention to detail. Courteous and hospitable, they are good at building "
        "partnerships in business and in private life, and they share credit readily. The fixed nature of their star "
        "roots them like a post driven into the ground, and with the placid strength of the cow they have the "
        "patience for undertakings that take years. Many have a quiet philanthropic streak and a deep wish to leave "
        "the world more just than they found it.",
        "Dependability has its price in Uttara Phalguni: the strong sense of duty behind it can turn into "
        "stubbornness, and once its people have chosen a course they rarely change it. Their pride, lit by the Sun, "
        "is easily wounded, and criticism may be met with cold silence or an injured lecture. Because they give so "
        "freely, they can feel cheated when help is not returned, and resentment then builds slowly beneath a polite "
        "surface. Some become overbearing with those who depend on them, confusing patronage with control, while "
        "others fret over details and grow anxious or sharp-tongued when plans go astray.",
        "Trusted roles suit people born under Uttara Phalguni: management, the civil service, social work, teaching, "
        "counselling, law and mediation, and trade or banking built on contracts.",
        "A well-ordered, hospitable home is the pride of anyone born under Uttara Phalguni. They keep promises to "
        "family as carefully as to colleagues, care for parents in old age and prize the quiet companionship of a "
        "settled partnership.",
        "By tradition Uttara Phalguni governs the left hand. Its dosha, Vata, is quick and variable, so that people "
        "of this star spend their energy freely in long stretches of duty and regain it once rest is given its due.",
    },
    // Hasta
    {
        "Fully contained in Virgo, Hasta lies between 10°00′ and 23°20′ of the sign and is the thirteenth of the "
        "twenty-seven nakshatras. The Moon is its ruling planet and Aditya, the Sun as demigod of light, its ruling "
        "deva, so the two great lights of the sky share its rule. The closed fist is its symbol, a hand holding what "
        "it has skilfully won. Slender, well-formed hands and nimble fingers often mark those born under it, along "
        "with a medium build, bright, lively eyes and a fresh face that seems to age slowly.",
        "Skill in the hands and quickness of mind are the marks of Hasta. Its people learn crafts with ease and can "
        "turn their fingers to almost anything, from needlework and surgery to writing, sculpture or sleight of hand. "
        "With the two lights of the sky for rulers, they have two kinds of brightness: the Moon's, which makes them "
        "sensitive, imaginative and responsive to the moods of others, and Aditya's, the clarity, cheerfulness and "
        "warmth of daylight. They are resourceful problem-solvers who find practical answers where others see only "
        "difficulty, and they bring to their work the steady endurance of the buffalo along with punctuality and "
        "method. Their humour is quick and kindly, and their Deva temperament makes them generous with help. The "
        "light, swift nature of their star lets them settle gracefully into new places and new tasks.",
        "Clever hands can become grasping ones, and the fist of Hasta may close too tightly on money or possessions. "
        "Restlessness is a frequent weakness: people of this star can jump from one plan to another, and the Moon's "
        "changeable light makes their moods rise and fall. Their talent for persuasion sometimes drifts into "
        "manipulation, and a few lean on wit and charm where honest effort is called for. They may worry about "
        "security far more than their circumstances warrant, and impatience with slower people can make them critical "
        "and sharp. When hurt, they often hide their feelings behind a smile and let the grievance fester.",
        "Hasta favours handicrafts, surgery, massage and the healing arts, as well as painting, writing, printing, "
        "accounting, trade, comedy and any work that calls for dexterity.",
        "People born under Hasta keep a neat, practical home where something useful is always being made or mended. "
        "Attentive to parents and generous with their skills, they find calm in the steady company of those close to "
        "them.",
        "Hasta's part of the body is the fingers, and its people are at their best with busy, clever hands. As a Vata "
        "star it is light and quick, and their energy flickers when they overextend and settles in quiet evenings and "
        "sound sleep.",
    },
    // Chitra
    {
        "Spanning two signs, Chitra runs from 23°20′ of Virgo to 6°40′ of Libra; it is the fourteenth nakshatra and "
        "is marked by the brilliant star Spica. Mars rules it, and its ruling deva is Thvasta, known also as "
        "Vishwakarma, the architect of the demigods, who fashioned their palaces and their weapons. Its jewel-like "
        "sign is a pearl, lustrous and perfectly shaped. Many born under it are striking to look at, with shapely "
        "limbs, a graceful neck, fine features and bright, attractive eyes that draw attention.",
        "The creative spark of Thvasta, the heavenly craftsman, lives on in those born under Chitra, who love to "
        "shape beauty out of raw material. They have a keen eye for form, colour and proportion, and they excel at "
        "design, decoration and anything that joins imagination to precision. Mars supplies the energy and courage to "
        "see their visions built, while the half of the star that lies in Libra adds charm, balance and social grace. "
        "Theirs is a Rakshasa temperament as the tradition means it, independent and unconventional: they follow "
        "their own taste rather than the fashion and seldom wait to be told what to do, as self-possessed as the "
        "tiger that is the star's animal. Like a pearl formed slowly around a grain of sand, their best qualities "
        "often grow out of difficulty, and they come through trials wiser and more polished.",
        "A wish to be admired shadows Chitra's flair, and its people may come to care more for appearance than for "
        "substance. Mars makes their temper quick and combative, and they can be argumentative or cutting when their "
        "taste or judgement is questioned. Some are self-centred and impatient with anyone who cannot keep up, and "
        "they lose interest once the excitement of a new project wears off, leaving work half done. Their charm "
        "attracts admirers easily, but vanity can strain their friendships, and they may spend freely on beautiful "
        "things they do not need.",
        "People born under Chitra are suited to architecture and engineering, interior and fashion design, jewellery, "
        "photography, painting, sculpture and film-making, and to any work that creates or repairs.",
        "A beautiful, well-ordered home matters greatly to those born under Chitra, who rearrange and improve it all "
        "their lives. Guests are welcomed in style, and family and friends find them warm, generous company.",
        "The neck is Chitra's in the traditional scheme, the graceful column that carries the head. The star's Pitta "
        "dosha burns fiery and driven; its people work with great heat and regain their balance when a finished piece "
        "is followed by a real pause.",
    },
    // Swati
    {
        "In fifteenth place among the nakshatras stands Swati, which lies wholly within Libra, from 6°40′ to 20°00′ "
        "of that sign, and holds the bright star Arcturus. It is ruled by Rahu, and its ruling deva is Vayu, demigod "
        "of wind, whose breath moves all living things; its element, though, is fire, the warmth that the wind fans. "
        "Its symbol, a coral, grows slowly yet endures in shifting waters. Slender and light on their feet, its "
        "people usually have soft, well-kept features, a gentle voice and refined manners.",
        "Freedom is the breath of life to those born under Swati. Like Vayu, the wind god who presides over their "
        "star, they need room to move, think and choose for themselves, and they grant the same room to others. They "
        "are flexible and diplomatic, able to bend without breaking, and they make friends in every circle. The "
        "star's fire shows in a warm enthusiasm for ideas and enterprise, and Rahu sharpens it into ambition and a "
        "flair for business, above all dealings with foreign lands. Fair-minded and gentle in speech, they seldom "
        "wish to hurt anyone. With the patience of the buffalo, the star's animal, they build their fortunes "
        "gradually, as coral grows, and many become self-made and prosperous. Their love of learning stays with them "
        "throughout life, and they are often drawn to travel, philosophy and spiritual study.",
        "The adaptability that wins friends for Swati's people can also make them indecisive, swayed this way and "
        "that by every new opinion. Their love of freedom may become a fear of commitment, and they can drift away "
        "from people without explanation. Rahu brings a strong appetite for wealth and status, which can leave them "
        "restless and calculating even when they have enough. Some are oversensitive to criticism yet reluctant to "
        "voice their own grievances, so that resentment goes unspoken and surfaces later as coolness. Their tact can "
        "turn into evasion, and a plain answer is then hard to get from them.",
        "Independent professions serve those born under Swati well, above all trade with foreign lands, along with "
        "law, diplomacy, travel, aviation, sales, teaching and research.",
        "People born under Swati like an airy, open home where friends come and go. They are considerate, "
        "even-tempered members of a household, kind to parents and siblings, and give those they live with the "
        "freedom they ask for themselves.",
        "Swati is given the chest by tradition, the seat of the breath over which its wind god presides. Kapha, "
        "steady and moist, is its dosha and balances the star's restless movement, giving its people an even, "
        "enduring energy.",
    },
    // Vishakha
    {
        "From 20°00′ of Libra to 3°20′ of Scorpio runs Vishakha, the sixteenth nakshatra, bridging the sign of "
        "balance and the sign of depth. Jupiter governs it, and its ruling deva is Shakragni, the joined power of "
        "Indra and Agni, king of the gods and god of fire. It takes as its emblem a potter's wheel, turning steadily "
        "as it gives shape to clay. A strong, well-built body of medium height is typical of the star, with a broad, "
        "bright face, a sharp gaze and a confident way of speaking.",
        "Vishakha is the star of purpose. Its people fix their eyes on a goal as the tiger fixes on its prey, and "
        "pursue it with a determination few can match, drawing on the fire of Agni for zeal and on the royal strength "
        "of Indra for command. Jupiter joins their ambition to wisdom, a love of learning and a sincere interest in "
        "ethics, religion and the law, so that it usually serves a sense of what is right. Their Rakshasa "
        "temperament, in the tradition's meaning, gives them intensity and an independent mind that questions "
        "received opinion.\r\n\r\n"
        "Like the potter at the wheel, they are patient shapers of their own destiny, knowing that success comes from "
        "steady turns rather than a single push. Once they have achieved something they are hospitable and generous, "
        "loyal to those who helped them on the way, and fond of the festivals that mark the milestones of life. Many "
        "grow more serene with age and turn their considerable drive towards teaching, service or spiritual aims.",
        "When thwarted, people born under Vishakha can let their single-mindedness harden into a relentless pursuit "
        "of victory. The sharp edge of the star shows as jealousy of rivals, impatience and a readiness to quarrel, "
        "and they may judge others harshly while excusing themselves. Agni's fire can flare into anger, and Indra's "
        "pride into a need to win every contest. Some stay restless and discontented even after great achievements, "
        "always looking to the next prize, and the wish to succeed may tempt them into compromises they later regret. "
        "In argument they can be stubborn and slow to admit a mistake.",
        "Vishakha produces capable politicians, lawyers, judges, teachers, priests, researchers and business leaders; "
        "speaking, debating and campaigning for a cause suit its people especially well.",
        "For people born under Vishakha the home is a base from which to pursue their aims, yet they are dutiful and "
        "generous to all who share it. They keep family festivals with ceremony and champion their relatives' "
        "ambitions.",
        "In the traditional body scheme Vishakha governs the breasts, the part of the body linked with nourishment. "
        "Kapha is its dosha, solid and slow-burning, and it gives those born under it great staying power for long "
        "ambitions.",
    },
    // Anuradha
    {
        "Anuradha is the seventeenth nakshatra and lies in Scorpio from 3°20′ to 16°40′ of the sign. Saturn rules it, "
        "and Mitra, named in the old lists as the demigod of the brain and honoured as the god of friendship and "
        "faithful agreements, is its ruling deva. The lotus flower, which rises clean and open from muddy water, is "
        "its symbol. A pleasant, well-balanced face, deep and expressive eyes, a medium frame and a warm, "
        "approachable manner are often seen in those born under it.",
        "Mitra, the friend among the gods, blesses those born under Anuradha with a talent for forming loyal bonds "
        "with people of every kind. They cooperate readily, work well in groups and organisations, and often bring "
        "together people who would never otherwise have met. Saturn's discipline runs through them: they are patient "
        "and enduring, able to keep going through hardships that would break others, and like the lotus they rise "
        "above difficult surroundings without losing their purity. Devoted to their ideals and to the people they "
        "love, and gentle as the hare, they are thoughtful in speech and sincere in feeling. Many have a strong "
        "interest in travel and foreign lands, a keen, searching mind and a quiet spiritual depth that grows with "
        "age. They honour their commitments and can be trusted with a confidence.",
        "The deep feelings behind Anuradha's loyalty can also make those born under it jealous, possessive and slow "
        "to forgive. Saturn may cast a shadow of melancholy over them, and in low moods they become withdrawn, "
        "pessimistic or self-pitying. The intensity of Scorpio lends an undercurrent of suspicion, so they may test "
        "friends more than is fair or hold on to grudges long after the cause has passed. Some are controlling with "
        "those close to them, and a stubborn streak makes them resist well-meant advice. They find it hard to show "
        "anger openly, so it leaks out as sarcasm or sullen silence.",
        "Work in organisations and partnerships brings out the best in those born under Anuradha: management, "
        "diplomacy, human resources, counselling, research, mining, photography and the promotion of the arts.",
        "Friendship is the keynote of homes kept by people born under Anuradha: they stay close to family, keep "
        "friends for life and welcome both. Steady and protective, they work patiently to give the household "
        "security.",
        "Anuradha rules the stomach in the old body lists. Of the three doshas it carries Pitta, hot and sharp; its "
        "people tend to take worries inward, where they kindle that heat, and calm company and quiet places restore "
        "their ease and stamina.",
    },
    // Jyeshtha
    {
        "The red star Antares marks Jyeshtha, the eighteenth nakshatra, which covers the final stretch of Scorpio "
        "from 16°40′ to 30°00′. Its ruling planet is Mercury and its ruling deva is Indra, also called Vasava, king "
        "of the demigods and wielder of the thunderbolt. An umbrella is its emblem, the canopy held over a ruler as a "
        "sign of both rank and protection. Those born here are often of compact, strong build with a prominent face, "
        "a penetrating gaze and a commanding presence that lends them authority even when young.",
        "Jyeshtha means the eldest, and those born under it often carry the responsibilities of an elder from an "
        "early age. Courage, authority and a protective instinct are Indra's marks on them, and they shelter the weak "
        "just as the umbrella shields those beneath it. Theirs is Mercury's intelligence too, sharp and practical, "
        "with a way with words and a talent for strategy. Alert as the hare, they sense trouble early, keep calm in a "
        "crisis and take charge when others hesitate. The Rakshasa temperament the tradition gives them is a fierce "
        "independence and intensity: they prefer to earn what they have and to make their own rules. Beneath a "
        "reserved exterior lies a keen understanding of human nature and a real wish to use their power well.",
        "Authority sits easily on anyone born under Jyeshtha, but it can turn into arrogance and a wish to dominate "
        "everyone around them. Indra in the old stories was jealous of rivals, and they too may feel threatened by "
        "the success of others and resort to scheming to stay on top. Their sharp tongue can wound, and they are "
        "capable of secrecy and cunning when they feel insecure. Pride makes it hard for them to ask for help, so "
        "they may carry burdens alone until they grow bitter or irritable. A restless mind brings sudden changes of "
        "mood, and a few indulge too freely in pleasures to escape their inner tension.",
        "Jyeshtha suits leaders and guardians: administrators, military and police officers, detectives, security "
        "chiefs, politicians and managers, and the speakers and writers who shape public opinion.",
        "People born under Jyeshtha often become the head of their family in fact if not in name, the one relatives "
        "turn to in trouble. They guard the household fiercely and are happiest among people who meet them as equals.",
        "The right side of the trunk falls to Jyeshtha in the tradition. Its Vata dosha, quick and changeable, marks "
        "people who often carry tension they keep hidden, recovering fully only when they set their responsibilities "
        "down.",
    },
};
