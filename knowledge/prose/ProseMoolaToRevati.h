#pragma once

#include "knowledge/NakshatraProse.h"

// Descriptive paragraphs, rows 19 to 27 of the profile table, in zodiac order. Written for this program.
inline constexpr NakshatraProse proseMoolaToRevati[] = {
    // Moola
    {
        "Moola, the nineteenth nakshatra, occupies the opening stretch of Sagittarius, from 0°00′ to 13°20′ of the "
        "sign. Its name means \"root\", and its rulers suit that name: Ketu, the shadowy planet of severance, and "
        "Nirriti, the deva of dissolution, who undoes what has grown false so that something truer can take its "
        "place. The tail of a lion is its sign and the dog its animal. Its people are usually of firm, wiry build, "
        "with a broad forehead, steady dark eyes and a grave, searching manner.",
        "Diggers by temperament, people born under Moola are never satisfied with the surface of anything and keep "
        "asking until they reach the root of a question. This makes them fine researchers, investigators and "
        "thinkers, able to hold to a line of enquiry long after others have given up. Their Rakshasa temperament "
        "shows, as the old texts describe it, in independence, intensity and a readiness to question convention. "
        "Under Ketu they care little for show, and they can let go of possessions, positions and old habits with "
        "surprising ease once these no longer serve. Frank and honest, they say what they believe, and they are as "
        "loyal as a good dog to the few people they trust. Like the lion whose tail is the star's emblem, they find "
        "courage when it is needed most, and a crisis that scatters others makes them calm and resourceful. Once they "
        "give their word, they keep it.",
        "Moola's urge to reach the root of things can turn destructive, and its people sometimes tear down what "
        "needed only mending, whether a friendship, a job or a plan that was working well enough. Nirriti's influence "
        "shows as a restless, unsettled streak, and their own impatience can turn a small upheaval into a large one. "
        "Their frankness can be blunt to the point of harshness, and they may cling to a view simply because it was "
        "hard won. When hurt they withdraw into silence or turn sarcastic. Some swing between great confidence and "
        "deep doubt, proud when things go well and despondent when they do not.",
        "Research of every kind suits people born under Moola, along with medicine and herbal remedies, pharmacy, "
        "detective and forensic work, geology, mining, philosophy and the law.",
        "A home with deep roots is what people born under Moola want, and many take a keen interest in family history "
        "and old ways. Independent themselves, they respect the independence of those they live with and are frank, "
        "loyal companions.",
        "The left side of the trunk is Moola's part of the body. Vata, dry and mobile like the wind of its airy "
        "element, is the star's dosha; its people run on intensity and restless thought, and their strength returns "
        "with stillness and warmth.",
    },
    // Purva Ashadha
    {
        "Counted twentieth among the nakshatras, Purva Ashadha spans 13°20′ to 26°40′ of Sagittarius. Venus is its "
        "ruling planet and Varuna, the demigod of water, its ruling deva. It is represented by the tusk of an "
        "elephant or a hand fan, tokens of dignity and of the cooling breeze that follows the heat of battle. Tall "
        "and well formed as a rule, its people have lustrous eyes, long arms, a pleasing smile and a graceful, "
        "unhurried way of carrying themselves.",
        "A quiet conviction that they will win in the end sustains those born under Purva Ashadha, and this faith "
        "carries them through setbacks that would dishearten others. Like water that wears away stone, their "
        "persistence is gentle but relentless. Venus adds charm, artistic taste and a love of beauty, and they are "
        "often persuasive speakers who can win people over to a cause, with the liveliness and playful wit of the "
        "monkey. Their human temperament makes them warm, sociable and easy to approach, generous with friends and "
        "loyal in hard times. They love travel, the sea and rivers, and anything that renews and refreshes. Many have "
        "a philosophical turn of mind and wish to purify their lives as they mature, seeking meaning and inner "
        "freedom rather than mere success.",
        "Confidence carries those born under Purva Ashadha through adversity, and it can grow into pride and an "
        "unwillingness to admit a mistake. They may argue for the sake of winning and refuse to let a quarrel drop, "
        "and the ferocious nature of the star shows in a sharp temper when they feel slighted. Venus can make them "
        "fond of comfort and flattery, and some spend freely on pleasures and appearances. They may promise more than "
        "they can deliver, and their idealism sometimes blinds them to practical difficulties, so that they plunge "
        "into ventures without counting the cost. Once their mind is made up, they can be obstinate beyond reason.",
        "Work near water suits those born under Purva Ashadha: shipping, fishing, irrigation and the navy, as well as "
        "law and debate, teaching, the fine arts, fashion and entertainment.",
        "Love and loyalty fill the homes of people born under Purva Ashadha, who keep a lively house full of talk, "
        "music and visitors. They delight in the children of the family, stand by their friends and give a partner "
        "open, generous affection.",
        "Purva Ashadha rules the back, the strong frame that holds the body upright. Warm and determined, its Pitta "
        "dosha lets its people push hard for a cause, and their energy comes back quickly near water and in cheerful "
        "company.",
    },
    // Uttara Ashadha
    {
        "Where Sagittarius gives way to Capricorn lies Uttara Ashadha, the twenty-first nakshatra: it begins at "
        "26°40′ of Sagittarius and ends at 10°00′ of Capricorn. The Sun rules it, and its deva is Vishwadeva, the "
        "demigod of the stars, whose many forms stand for universal virtues such as truth, goodness and firmness. Its "
        "emblem is a small cot. Its people stand tall and straight as a rule, with a long nose, a wide forehead, "
        "bright eyes and a dignified, rather reserved bearing.",
        "Few people hold to their principles as steadily as those born under Uttara Ashadha. The star's name means "
        "the later, or final, victory, and they win through patience and honesty rather than cunning: slowly, fairly "
        "and for good. The Sun shows in their integrity, their sense of duty and an authority that others trust "
        "instinctively. Like the mongoose, which faces the cobra without flinching, they stand up to wrongdoing "
        "without fear. They remember a kindness for years, keep their promises and take responsibility for the "
        "welfare of those who depend on them. The star's fixed nature shows in their endurance: a crisis finds them "
        "unmoved, and a task of many years does not tire them. Though ambitious, they want recognition only for what "
        "they have truly earned, and their sense of justice reaches beyond their family to society as a whole.",
        "Firmness is the virtue of Uttara Ashadha and rigidity its danger: its people can become set in their "
        "opinions and slow to accept a new way of doing things, and high principles may harden into a habit of "
        "judging and lecturing others. Because they shoulder so much, they often take on more than their share and "
        "then feel that nobody appreciates them, yet they find it hard to hand a task to anyone else. Their reserve "
        "can look like coldness, and they may find it hard to show tenderness or to ask for help. When their pride is "
        "wounded, they sulk quietly rather than speak.",
        "Positions of trust fit people born under Uttara Ashadha: government service, administration, the judiciary "
        "and the armed forces, management, social work, teaching and work for charities.",
        "An orderly, dependable home is the work of those born under Uttara Ashadha, who take their duties to family "
        "as seriously as any public office. They care for their elders and show affection through steady, practical "
        "support.",
        "Tradition gives Uttara Ashadha the waist, the centre on which the body turns. Kapha, solid and enduring, is "
        "its dosha, and it gives the star's people great stamina but a slow start, so that they carry heavy work best "
        "in measured stages.",
    },
    // Shravana
    {
        "Lord Vishnu, worshipped here as Govinda, presides over Shravana, the twenty-second nakshatra, which lies "
        "wholly within Capricorn from 10°00′ to 23°20′. The Moon is its planet. Its emblem is threefold: an ear, an "
        "arrow and three footprints, the footprints recalling the three strides with which Vishnu measured the "
        "worlds. People born under it are often of medium height and graceful, with a pleasant face, attentive eyes "
        "and a soft, well-modulated voice.",
        "Shravana means hearing, and those born under it are remarkable listeners: they take in what is said, "
        "remember it and learn from it, so that knowledge gathered from teachers, books and conversation becomes "
        "their chief wealth. As air carries sound, this airy star carries learning from one person to the next, and "
        "many of its people become teachers in their turn. Polite, well spoken and considerate, they have a warm "
        "human temperament that makes others feel understood. Under the Moon they are sensitive and caring, and under "
        "Vishnu they respect order, tradition and the preserving of all that is good. Organised, prudent with money "
        "and steady in their aims, they do well in practical life, and a nimble mind, like the monkey's, helps them "
        "learn by imitation. They make wise counsellors, hearing both sides before they speak.",
        "Keen hearing cuts both ways: the attentiveness that makes Shravana's people such good listeners also makes "
        "them sensitive to gossip and easily wounded by a careless remark. They may brood over what others say of "
        "them and keep a hurt alive long after the cause has passed. Their love of tradition can turn into rigidity, "
        "and their care for order into fussiness about detail. Some are secretive and slow to trust, and the Moon "
        "brings changes of mood that those around them find hard to follow. In money matters their prudence may tip "
        "over into anxiety, and they can lean too heavily on the approval of others.",
        "Teachers, counsellors, translators and linguists, musicians and broadcasters are often born under Shravana, "
        "which also favours work in libraries, archives, research, the hotel trade and travel.",
        "Family traditions live on in homes kept by people born under Shravana, where old songs, recipes and "
        "festivals are passed down. They are dutiful to their parents, patient with every relative and quietly "
        "skilled at keeping peace.",
        "Shravana governs the sex organs in the traditional scheme. A calm, moist Kapha dosha, joined to the star's "
        "mutable nature, gives its people a steady but adaptable energy, renewed by music, quiet listening and a "
        "regular day.",
    },
    // Dhanistha
    {
        "Music is woven into Dhanistha, the twenty-third nakshatra, whose emblem is a musical drum or a flute: hollow "
        "instruments whose sound fills empty space when rhythm or breath passes through them. It runs from 23°20′ of "
        "Capricorn to 6°40′ of Aquarius. Mars is its ruling planet, and Vasu, worshipped as a deity of the Sun and a "
        "giver of abundance, its ruling deva. Its people are typically slim and tall, with strong limbs, a brisk step "
        "and lively, expressive faces.",
        "Rhythm runs through the lives of people born under Dhanistha. Many have a real gift for music, dance or "
        "poetry, and even those who never perform have a fine sense of timing that helps them act at the right "
        "moment. The star's name means the most wealthy, and they are often fortunate with money and generous with "
        "it, glad to share their prosperity with friends and good causes. Courageous, driven and competitive, as "
        "befits a star of Mars, they carry the natural command of the lion and keep going with great stamina. The "
        "tradition calls their temperament Rakshasa, meaning that they are independent, intense and ready to take an "
        "unconventional road. Sociable and good-humoured, they make excellent members of a team, and dharma gives "
        "them a strong sense of duty to the wider world.",
        "For all their sociability and flair, those born under Dhanistha can be self-absorbed, hungry for recognition "
        "and quick to take offence when it does not come. Their intensity shows in a sharp tongue and an unyielding "
        "streak when their ambitions are blocked, and Mars makes them impatient, argumentative and sometimes "
        "reckless. Good fortune with money may make them careless with it or, in the opposite case, eager for more. "
        "Some are so busy with outward success that they neglect the people closest to them, and like the hollow drum "
        "they may make a great noise about plans with little substance behind them.",
        "The stage and the sports field both call to those born under Dhanistha, and they also prosper in "
        "engineering, real estate, banking and finance, science, surgery and any enterprise run by a team.",
        "A home kept by people born under Dhanistha rings with music, conversation and visitors. They are generous "
        "providers who share their good fortune with the whole family, and they love a busy, sociable household.",
        "In the old body lists Dhanistha rules the anus, the lowest point of the trunk. Pitta, its dosha, adds heat "
        "and drive, and its people spend energy freely in work, sport and music; rhythm restores them, as do regular "
        "hours of rest.",
    },
    // Shatabhisha
    {
        "The twenty-fourth nakshatra, Shatabhisha, lies entirely in Aquarius, between 6°40′ and 20°00′ of the sign. "
        "Rahu governs it, with Varuna, the god of the rains, as its ruling deva, keeper of cosmic law and of the "
        "waters that fall from the sky. A hundred flowers or a circle represent it, and its name is often read as \"a "
        "hundred physicians\". A broad forehead, prominent features, soft skin and a calm, thoughtful face are "
        "typical of those born under it, and many keep their looks well into later life.",
        "A hundred healers stand behind the name of Shatabhisha, and its people often carry a gift for healing, "
        "whether through medicine, science or simply wise counsel. Independent as the horse, they follow their own "
        "path and reach their own conclusions, with an unusual ability to see through illusion to the truth of a "
        "matter. Their Rakshasa temperament, as the tradition uses the term, is an intense and unconventional cast of "
        "mind. Under Rahu their thinking runs ahead of its time, towards inventions and ideas others have not yet "
        "met; Varuna, keeper of cosmic law, steadies it with depth and moral seriousness, and many are drawn to the "
        "hidden laws of nature and the wide spaces of the sky. They keep secrets faithfully, can work alone for long "
        "periods without complaint, and return from hardship with fresh insight.",
        "Left to themselves, people born under Shatabhisha can drift into isolation: their secretive, reserved manner "
        "often keeps even friends at a distance and makes them seem cold or aloof. Their intensity shows as "
        "stubbornness and a harsh, critical tongue when they are crossed. Rahu brings restless moods, and some go "
        "through long spells of melancholy or suspicion in which the world seems set against them. They may dismiss "
        "good advice, trusting only their own judgement, and can become eccentric or withdrawn as the years pass. "
        "Their truthfulness, admirable in itself, is sometimes delivered without any tact.",
        "Shatabhisha's people often choose medicine, pharmacy, chemistry, astronomy or research, electronics and "
        "computing, aviation and space work, water supply or meteorology.",
        "People born under Shatabhisha need a quiet corner of their own, and their home is often a calm, private "
        "place full of books and instruments. They are faithful to family and to a few close friends, and those bonds "
        "deepen over the years.",
        "Shatabhisha, the star of a hundred healers, is given the right thigh by tradition. Its Vata dosha, cool and "
        "mobile, gives its people a restless mental energy that can outrun the body; solitude and long, unbroken rest "
        "restore them.",
    },
    // Poorva Bhadrapada
    {
        "Poorva Bhadrapada is the twenty-fifth nakshatra, the first of the pair named after the auspicious feet, and "
        "it stretches from 20°00′ of Aquarius to 3°20′ of Pisces. It is ruled by Jupiter, and its deity is Ajaekapat, "
        "a form of Shiva pictured as the one-footed goat, a fiery power of austerity. It carries a sword as its "
        "emblem, the blade that cuts through falsehood. Someone born under it is usually of medium to tall height, "
        "with a lean frame, a broad face and penetrating eyes, and may stoop a little in later years.",
        "Great devotion comes easily to those born under Poorva Bhadrapada when a cause moves them, and they will "
        "sacrifice comfort and personal gain for what they believe is right. Jupiter makes them learned, thoughtful "
        "and generous, fond of philosophy and religion, and able to speak with real eloquence on a subject close to "
        "their heart. Their intensity gives them the power to remake themselves, and many pass through a hard "
        "experience that turns them towards deeper wisdom. They handle money and practical affairs well, earning "
        "steadily through hard work and clear judgement. Brave as the lion, they face danger calmly, defend the weak "
        "and speak out frankly against injustice. In friendship they are sincere and warm, with a gentle humour that "
        "surprises those who know only their serious side.",
        "Behind the idealism of Poorva Bhadrapada burns a fire that can scorch. Its people are prone to sudden anger "
        "and can be harsh when their principles are at stake; like the sword of their star, their words may cut "
        "deeper than they intend. They tend towards extremes, swinging between indulgence and severe self-denial, or "
        "between cheerful optimism and dark worry about the future. Some grow cynical about people, and a few become "
        "so single-minded about a cause that they lose sight of everything else. In their eagerness they can be "
        "careless with promises, and their intensity wears out the people around them.",
        "The gifts of people born under Poorva Bhadrapada serve well in research, philosophy and religious teaching, "
        "astrology, banking and accounting, statistics, administration and the police.",
        "Home means a great deal to those born under Poorva Bhadrapada, even when they settle far from their "
        "birthplace. They give generously to parents and relatives and keep a simple, hospitable house open to "
        "friends.",
        "Poorva Bhadrapada rules the left thigh in the old lists. Vata is the dosha of this star, airy and "
        "changeable, and its people swing between bursts of fervent effort and spells of weariness, steadiest when "
        "calm routines hold them.",
    },
    // Uttara Bhadrapada
    {
        "Calm and deep like the waters of Pisces in which it lies, Uttara Bhadrapada is the twenty-sixth nakshatra, "
        "spanning 3°20′ to 16°40′ of that sign. Saturn is its planet, and Ahirbudhanya, the serpent of the depths, "
        "the snake that holds the universe, is its presiding deva. It is symbolised by twins or the number two, a "
        "sign of balance between the inner and the outer life. Well proportioned and attractive, its people have a "
        "gentle face, kind eyes and a bearing that grows more dignified with age.",
        "Patience and self-control mark those born under Uttara Bhadrapada. They keep their composure in situations "
        "that would shake others, and like the cow they give far more than they take. Disciplined and enduring in "
        "Saturn's way, they work steadily and carry responsibility without complaint. They speak gently and to the "
        "point, are skilled at settling other people's quarrels and often become the trusted adviser of their circle. "
        "Their compassion is real, reaching the poor, the sick and animals alike, and they are generous with both "
        "time and money. Their interest in meditation, spiritual study and the deeper questions of life grows with "
        "the years, yet they remain practical and dependable in worldly matters, and they take great joy in the "
        "simple pleasures of family and friendship.",
        "Too much calm can turn into passivity, and people born under Uttara Bhadrapada sometimes put off decisions "
        "until events decide for them. Saturn can make them pessimistic, always expecting the worst. Other people may "
        "take advantage of their generosity, since they find it hard to refuse a request, and they may carry a quiet "
        "resentment about it rather than say no. Behind the gentle manner some keep a hidden temper that flares up "
        "rarely but fiercely. They can also be secretive about their own feelings and withdraw into solitude, so that "
        "even those closest to them do not always know what troubles them.",
        "Uttara Bhadrapada's people are well placed in charitable and welfare work, nursing, counselling, religious "
        "and spiritual callings, writing, research, import and export.",
        "Family life is usually a source of joy for people born under Uttara Bhadrapada, who keep a calm, orderly "
        "home where relatives and friends feel safe. They are devoted to parents and children alike.",
        "The shins belong to Uttara Bhadrapada in the traditional scheme, the steady supports of a patient stride. "
        "Pitta, the dosha of this star, gives an inner warmth beneath its calm surface; its people have a quiet, "
        "lasting energy.",
    },
    // Revati
    {
        "Revati brings the circle of the nakshatras to its close: it is the twenty-seventh and last, covering 16°40′ "
        "to 30°00′ of Pisces. Mercury rules it, and Pushan, the demigod for agriculture, watches over it as its deva: "
        "the nourisher who guards the herds and guides travellers safely home. A fish swimming in the ocean is its "
        "emblem. Most born under it are of medium height, with a soft, well-formed body, a glowing complexion, a "
        "sweet smile and an open, friendly expression.",
        "Kindness is the keynote of Revati. Its people are gentle, courteous and sincere, with a real wish to help, "
        "to nurture and to see others safely on their way, as Pushan does for travellers. Their Deva temperament "
        "shows in faith, honesty and a pure heart, and they find it hard to think ill of anyone. Mercury sharpens "
        "their intelligence, wit and gift for language, so that many of them write, speak or teach well. They love "
        "beauty and the arts and have a vivid imagination. Like the elephant, their animal, they combine great "
        "strength with gentleness and a long memory for kindness. Sociable yet modest, they make friends easily "
        "across every kind of boundary, and as the last star of the zodiac Revati gives many of them a sense of "
        "completion and a turn towards spiritual freedom as life goes on.",
        "A trusting nature leaves people born under Revati exposed: they believe what they are told, lend to people "
        "who never repay and may be deceived by those less honest than themselves. Their sensitivity makes them "
        "easily hurt and prone to discouragement, and when disappointed they may retreat into daydreams rather than "
        "face a problem squarely. Some lack confidence and depend on others to decide for them, while Mercury can "
        "make them restless and changeable in their plans. They may be stubborn in small matters, and in trying to "
        "please everyone they sometimes please no one, least of all themselves.",
        "Many people born under Revati find their calling in nursing, teaching, writing and publishing, music and the "
        "arts, travel and transport, farming, animal care or charitable work.",
        "A peaceful, welcoming home is the gift of those born under Revati, often shared with animals and visited by "
        "many friends. They are tender with family, loyal to their partners and gently protective of the young.",
        "The ankles are Revati's place in the body, the slender supports of a traveller's step. Its dosha is Kapha, "
        "soft and steady, giving its people a gentle, enduring vitality that returns in peace and sleep.",
    },
};
