#pragma once

#include "knowledge/NakshatraProse.h"

// Descriptive paragraphs, rows 19 to 27 of the profile table, in zodiac order. Written for this program.
inline constexpr NakshatraProse proseMoolaToRevati[] = {
    // Moola
    {
        "Moola, the nineteenth nakshatra, occupies the opening stretch of Sagittarius, from 0°00′ to 13°20′ of the "
        "sign. Its name means \"root\", and its rulers suit that name: Ketu, the shadowy planet of severance, and "
        "Nirriti, the Rakshasa king of demons, who presides over dissolution and the undoing of what has grown false. "
        "Its emblem is the tail of a lion and its animal the dog. People born here are usually of firm, wiry build, "
        "with a broad forehead, steady dark eyes and a grave, searching manner.",
        "Moola natives are diggers by temperament: they are never satisfied with the surface of anything and keep "
        "asking until they reach the root of a question. This makes them fine researchers, investigators and "
        "thinkers, able to hold to a line of enquiry long after others have given up. Under Ketu they care little "
        "for show, and they can let go of possessions, positions and old habits with surprising ease once these "
        "no longer serve a purpose. They are frank and honest, unafraid to say what they believe, and as loyal as "
        "the dog, their animal, to the few people they trust. Like the lion whose tail is their emblem, they find "
        "courage when it is needed most, and a crisis that scatters others tends to make them calm and "
        "resourceful. Many have a strong interest in medicine, herbs and the hidden causes of illness, and a "
        "sincere wish to understand suffering rather than merely to escape it. Once they give their word, they "
        "keep it.",
        "Moola's urge to reach the root of things can turn destructive, and its natives sometimes tear down what "
        "needed only mending, whether a friendship, a job or a plan that was working well enough. Nirriti's influence "
        "gives them a restless, unsettled streak, and the tradition associates the star with sudden losses and "
        "upheavals, which their own impatience can make harder. Their frankness can be blunt to the point of cruelty, "
        "and they may cling to a view simply because it was hard won. When hurt they withdraw into silence or turn "
        "harsh and sarcastic. Some swing between great confidence and deep doubt, arrogant when things go well and "
        "despairing when they do not.",
        "Research of every kind suits Moola natives, along with medicine and herbal remedies, pharmacy, surgery, "
        "detective and forensic work, geology, mining, philosophy and the law.",
        "Tradition links Moola with a late marriage and a home life that is unsettled in its early years; people born "
        "under this star find lasting contentment with a patient partner who respects their independence.",
        "The left side of the trunk is Moola's part of the body, and the tradition connects the star with the lungs, "
        "the spleen and the hips; its Vata dosha is linked with nervous strain and with wind in the digestion.",
    },
    // Purva Ashadha
    {
        "Counted twentieth among the nakshatras, Purva Ashadha spans 13°20′ to 26°40′ of Sagittarius. Venus is its "
        "ruling planet and Varuna, the demigod of water, its ruling deva. Its emblem is the tusk of an elephant or a "
        "hand fan, tokens of dignity and of the cooling breeze that follows the heat of battle. Its people are "
        "usually tall and well formed, with lustrous eyes, long arms, a pleasing smile and a graceful, unhurried way "
        "of carrying themselves.",
        "Proud and invincible in spirit, those born under Purva Ashadha hold a quiet conviction that they will "
        "win in the end, and this faith carries them through setbacks that would dishearten others. Like water "
        "that wears away stone, their persistence is gentle but relentless. Venus lends them charm, artistic "
        "taste and a love of beauty, and they are often persuasive speakers who can win people over to a cause. "
        "The monkey, their animal, gives them liveliness and a quick, playful wit. Their human temperament makes "
        "them warm, sociable and easy to approach, and they are generous with friends and loyal in hard times. "
        "They love travel, the sea and rivers, and anything that renews and refreshes. Many have a philosophical "
        "turn of mind and wish to purify their lives as they mature, seeking meaning and inner freedom rather "
        "than mere success.",
        "The confidence that carries Purva Ashadha natives through adversity can grow into pride and an unwillingness "
        "to admit a mistake. They may argue for the sake of winning and refuse to let a quarrel drop, and the "
        "ferocious nature of the star gives them a sharp temper when they feel slighted. Venus can make them fond of "
        "comfort and flattery, and some spend freely on pleasures and appearances. They may promise more than they "
        "can deliver, and their idealism sometimes blinds them to practical difficulties, so that they plunge into "
        "ventures without counting the cost. Once their mind is made up, they can be obstinate beyond reason.",
        "Work near water suits Purva Ashadha natives well: shipping, fishing, irrigation and the navy, as well as "
        "law, debate, teaching, the fine arts, fashion and entertainment.",
        "Love matters greatly to Purva Ashadha natives, who usually marry for it and stay devoted, though pride "
        "can stir up quarrels; they take great delight in their children.",
        "Purva Ashadha rules the back, and the tradition ties the star to backache and strain of the spine; its Pitta "
        "dosha brings a leaning towards fevers and acidity, and the old lists also name the bladder.",
    },
    // Uttara Ashadha
    {
        "Where Sagittarius gives way to Capricorn lies Uttara Ashadha, the twenty-first nakshatra: it begins at "
        "26°40′ of Sagittarius and ends at 10°00′ of Capricorn. The Sun rules it, and its deva is Vishwadeva, the "
        "demigod of the stars, whose many forms stand for universal virtues such as truth, goodness and firmness. "
        "Its emblem is a small cot. Natives are usually tall and straight, with a long nose, a wide forehead, "
        "bright eyes and a dignified, rather reserved bearing.",
        "Few people hold to their principles as steadily as those born under Uttara Ashadha. The star's name means "
        "the later, or final, victory, and its natives win through patience and honesty rather than cunning: slowly, "
        "fairly and for good. The Sun, their planet, is visible in their integrity, their sense of duty and an "
        "authority that others trust instinctively. Like the mongoose, their animal, which faces the cobra without "
        "flinching, they stand up to wrongdoing without fear. They are grateful for kindness and remember it for "
        "years, they keep their promises, and they take responsibility for the welfare of those who depend on them. "
        "This is a star of fixed nature, and it shows in their endurance: a crisis finds them unmoved, and a task of "
        "many years does not tire them. Though ambitious, they want recognition only for what they have truly earned, "
        "and their sense of justice reaches beyond their own family to society as a whole. Beneath a serious manner "
        "lies a gentle, sympathetic heart.",
        "Firmness is the virtue of Uttara Ashadha and rigidity its danger: its natives can become set in their "
        "opinions and slow to accept a new way of doing things, and their high principles may harden into a habit of "
        "judging and lecturing others. Because they shoulder so much responsibility, they often overwork and then "
        "feel that nobody appreciates them. They start many worthy projects but sometimes grow weary before the end, "
        "leaving others to finish them. Their reserve can look like coldness, and in close relationships they may "
        "find it hard to show tenderness or to ask for help. When their pride is wounded, they sulk quietly rather "
        "than speak.",
        "Positions of trust and authority fit Uttara Ashadha natives best: government service, administration, the "
        "judiciary and the armed forces, as well as management, social work, counselling, teaching and work for "
        "charities or religious bodies.",
        "Uttara Ashadha natives make loyal, protective partners; the tradition speaks of delays or trials in the "
        "early years of marriage, and of deep satisfaction in children and an orderly home.",
        "Tradition gives Uttara Ashadha the waist, linking the star with stiffness of the hips and lower back, with a "
        "slow digestion and, later in life, with the knees; its Kapha dosha adds colds and easy weight gain.",
    },
    // Shravana
    {
        "Lord Vishnu, worshipped here as Govinda, presides over Shravana, the twenty-second nakshatra, which lies "
        "wholly within Capricorn from 10°00′ to 23°20′. The Moon is its planet. Its emblem is threefold: an ear, "
        "an arrow and three footprints, the footprints recalling the three strides with which Vishnu measured the "
        "worlds. People born under it are often of medium height and graceful, with a pleasant face, attentive "
        "eyes and a soft, well-modulated voice.",
        "Shravana means hearing, and its natives are remarkable listeners: they take in what is said, remember it and "
        "learn from it, so that knowledge gathered from teachers, books and conversation becomes their chief wealth. "
        "As air carries sound, this airy star carries learning from one person to the next, and many of its natives "
        "become teachers in their turn. They are polite, well spoken and considerate, with a warm human temperament "
        "that makes others feel understood. Under the Moon they are sensitive and caring, and under Vishnu they "
        "respect order, tradition and the preserving of all that is good. They are organised, prudent with money and "
        "steady in pursuit of their aims, which brings them success in practical life. The monkey, their animal, "
        "lends them a nimble mind and a gift for learning by imitation. Many are devout and fond of music and sacred "
        "learning, and they will travel far for the sake of knowledge. They make wise counsellors, hearing both sides "
        "before they speak.",
        "Keen hearing cuts both ways: the attentiveness that makes Shravana natives such good listeners also "
        "makes them sensitive to gossip and easily wounded by a careless remark. They may brood over what others "
        "say of them and keep a hurt alive long after it should have healed. Their love of tradition can turn "
        "into rigidity, and their care for order into fussiness about detail. Some are secretive and slow to "
        "trust, and the Moon brings changes of mood that those around them find hard to follow. In money matters "
        "their prudence may tip over into anxiety, and they can lean too heavily on the approval of people whose "
        "opinion they value.",
        "Shravana natives shine as teachers, counsellors, translators and linguists, musicians and broadcasters, "
        "and also in libraries, archives, research, the hotel trade and travel.",
        "A harmonious marriage with an understanding partner is usual for Shravana natives; they are dutiful "
        "towards their parents and keep the family's traditions alive.",
        "Shravana governs the sex organs in the traditional scheme, and with them the urinary tract; the star of "
        "hearing is also linked with the ears, and its Kapha dosha with the skin and with colds.",
    },
    // Dhanistha
    {
        "Music is woven into Dhanistha, the twenty-third nakshatra, whose emblem is a musical drum or a flute: "
        "hollow instruments whose sound fills empty space when rhythm or breath passes through them. It runs from "
        "23°20′ of Capricorn to 6°40′ of Aquarius. Mars is its ruling planet, and Vasu, worshipped as a deity of "
        "the Sun and a giver of abundance, its ruling deva. Its people are typically slim and tall, with strong "
        "limbs, a brisk step and lively, expressive faces.",
        "Rhythm runs through the lives of Dhanistha natives. Many have a real gift for music, dance or poetry, and "
        "even those who never perform have a fine sense of timing that helps them act at the right moment. The star's "
        "name means the most wealthy, and they are often fortunate with money and generous with it, glad to share "
        "their prosperity with friends and good causes. Courageous, driven and competitive, as befits a star of Mars, "
        "they also carry the natural command of the lion, their animal: they are quick to take charge when something "
        "needs doing and keep going with great stamina. They are sociable, good-humoured and at ease in groups, "
        "making excellent members of a team, and they hold a strong sense of duty towards the wider world. "
        "Open-minded and broad in their interests, they adapt well to new places and new people.",
        "For all their sociability and flair, Dhanistha natives can be self-absorbed, hungry for recognition and "
        "quick to take offence when it does not come. The Rakshasa temperament of the star shows in a sharp "
        "tongue and a ruthless streak when their ambitions are blocked, and Mars makes them impatient, "
        "argumentative and sometimes reckless. Their good fortune with money may make them careless with it or, "
        "in the opposite case, greedy for more. Some are so busy with outward success that they neglect the "
        "people closest to them, and like the hollow drum they may make a great noise about plans with little "
        "substance behind them.",
        "The stage and the sports field both call to Dhanistha natives, and they also prosper in engineering, real "
        "estate, banking and finance, science, surgery and any enterprise run by a team.",
        "The independence and busy public life of Dhanistha natives can strain a marriage, and a partner who shares "
        "their interests suits them best; they are generous providers for their families.",
        "In the old body lists Dhanistha rules the anus and the lower bowel, tying the star to the health of the "
        "intestines; its Pitta dosha adds heat, associated with fevers and inflammation, and is said to affect the "
        "blood.",
    },
    // Shatabhisha
    {
        "The twenty-fourth nakshatra, Shatabhisha, lies entirely in Aquarius, between 6°40′ and 20°00′ of the "
        "sign. Rahu governs it, with Varuna, the god of the rains, as its ruling deva, keeper of cosmic law and "
        "of the waters that fall from the sky. Its emblem is a hundred flowers or a circle, and its name is often "
        "read as \"a hundred physicians\". Natives tend to have a broad forehead, prominent features, soft skin and "
        "a calm, thoughtful face, and they often keep their looks well into later life.",
        "A hundred healers stand behind the name of Shatabhisha, and its natives often carry a gift for healing, "
        "whether through medicine, science or simply wise counsel. Independent as the horse, their animal, they "
        "follow their own path and reach their own conclusions, and they have an unusual ability to see through "
        "illusion to the truth of a matter. They are honest, principled and philosophical, with a strong sense of "
        "duty to the community. Under Rahu their thinking runs ahead of its time, towards inventions and ideas others "
        "have not yet met; Varuna, keeper of cosmic law, steadies it with depth and moral seriousness, and many are "
        "drawn to the hidden laws of nature and the wide spaces of the sky. They keep secrets faithfully, can work "
        "alone for long periods without complaint and return from hardship with fresh insight. Their memory is "
        "usually excellent, and their wit dry and sharp.",
        "Left to themselves, Shatabhisha natives can drift into isolation: their secretive, reserved manner often "
        "keeps even friends at a distance and makes them seem cold or aloof. The Rakshasa temperament shows in "
        "stubbornness and a harsh, critical tongue when they are crossed. Rahu brings restless moods, and some go "
        "through long spells of melancholy or suspicion in which they believe the world is against them. They may "
        "dismiss good advice, trusting only their own judgement, and can become eccentric or withdrawn as the "
        "years pass. Their truthfulness, admirable in itself, is sometimes delivered without any tact.",
        "People born under Shatabhisha often choose medicine, pharmacy, chemistry, astronomy or research, electronics "
        "and computing, aviation and space work, water supply or meteorology.",
        "The need for privacy that marks Shatabhisha natives can test a marriage, but they are faithful partners who "
        "often grow closer to their spouse in later years.",
        "Shatabhisha, the star of a hundred healers, is given the right thigh by tradition, which links it with "
        "strains of the thigh and hip; its Vata dosha is associated with stiff joints, cold hands and feet and a "
        "sluggish circulation.",
    },
    // Poorva Bhadrapada
    {
        "Poorva Bhadrapada is the twenty-fifth nakshatra, the first of the pair named after the auspicious feet, "
        "and it stretches from 20°00′ of Aquarius to 3°20′ of Pisces. It is ruled by Jupiter, and its deity is "
        "Ajaekapat, a form of Shiva pictured as the one-footed goat, a fiery power of austerity. Its emblem is a "
        "sword, the blade that cuts through falsehood. People born under it are usually of medium to tall height, "
        "with a lean frame, a broad face and penetrating eyes, and they may stoop a little in later years.",
        "Poorva Bhadrapada natives are capable of great devotion when a cause moves them, and they will sacrifice "
        "comfort and even personal gain for what they believe is right. Jupiter makes them learned, thoughtful and "
        "generous, fond of philosophy and religion, and able to speak with real eloquence on a subject close to their "
        "heart. Their intensity gives them the power to remake themselves, and many pass through a hard experience "
        "that turns them towards deeper wisdom. They handle money and practical affairs well, earning steadily "
        "through hard work and clear judgement. Brave as the lion, their animal, they face danger calmly, defend the "
        "weak and speak out frankly against injustice. In friendship they are sincere and warm, with a gentle humour "
        "that surprises those who know only their serious side.",
        "Behind the idealism of Poorva Bhadrapada burns a fire that can scorch. Its natives are prone to sudden anger "
        "and can be harsh, even cruel, when their principles are at stake; like the sword of their emblem, their "
        "words may cut deeper than they intend. They tend towards extremes, swinging between indulgence and severe "
        "self-denial, or between cheerful optimism and dark worry about the future. Some grow cynical about people, "
        "nervous and anxious, and a few become fanatical about a cause. In their eagerness they can be careless with "
        "promises and with money, and their intensity wears out the people around them.",
        "The gifts of Poorva Bhadrapada natives serve well in research, philosophy and religious teaching, astrology, "
        "banking and accounting, statistics, administration, the police and any work that calls for courage.",
        "Home means a great deal to Poorva Bhadrapada natives, though their moods ask for a tolerant partner; "
        "many settle far from their birthplace and give generously to their families.",
        "Poorva Bhadrapada rules the left thigh in the old lists, which link the star with strain and knocks there; "
        "its Vata dosha adds wind in the digestion, swelling of the legs and nervous exhaustion.",
    },
    // Uttara Bhadrapada
    {
        "Calm and deep like the waters of Pisces in which it lies, Uttara Bhadrapada is the twenty-sixth "
        "nakshatra, spanning 3°20′ to 16°40′ of that sign. Saturn is its planet, and Ahirbudhanya, the serpent of "
        "the depths, the snake that holds the universe, is its presiding deva. Its emblem is twins or the number "
        "two, a sign of balance between the inner and the outer life. Natives are usually well proportioned and "
        "attractive, with a gentle face, kind eyes and a bearing that grows more dignified with age.",
        "Patience and self-control mark those born under Uttara Bhadrapada. They keep their composure in situations "
        "that would shake others, and like the cow, their animal, they give far more than they take. Disciplined and "
        "enduring in Saturn's way, they are hard workers who finish what they begin. They speak gently and to the "
        "point, are skilled at settling quarrels and often become the trusted adviser of their circle. Their "
        "compassion is real, reaching the poor, the sick and animals alike, and they are generous with both time and "
        "money. Their interest in meditation, spiritual study and the deeper questions of life grows with the years, "
        "yet they remain practical and dependable in worldly matters. Many are happy in love and take great joy in "
        "the simple pleasures of family and friendship.",
        "Too much calm turns into inertia, and Uttara Bhadrapada natives sometimes sink into laziness or put off "
        "decisions until events decide for them. Saturn can make them pessimistic, always expecting the worst. "
        "Others may exploit their generosity, since they find it hard to refuse a request, and their wish to "
        "avoid conflict can let problems grow unchecked. Behind the gentle manner some keep a hidden temper that "
        "flares up rarely but fiercely. They can also be secretive about their feelings and withdraw into "
        "solitude, leaving those who love them unsure of where they stand.",
        "Uttara Bhadrapada natives are well placed in charitable and welfare work, nursing, counselling, religious "
        "and spiritual callings, writing, research, import and export, and any occupation that rewards patience.",
        "Family life is usually a source of joy for people born under Uttara Bhadrapada: they are devoted spouses and "
        "affectionate parents, and their children often bring them honour.",
        "The shins belong to Uttara Bhadrapada in the traditional scheme, which ties the star to knocks and cramps of "
        "the lower legs; its Pitta dosha adds acidity, rashes and a tendency to overheat.",
    },
    // Revati
    {
        "Revati brings the circle of the nakshatras to its close: it is the twenty-seventh and last, covering "
        "16°40′ to 30°00′ of Pisces. Mercury rules it, and Pushan, the demigod for agriculture, watches over it "
        "as its deva: the nourisher who guards the herds and guides travellers safely home. Its emblem is a fish "
        "swimming in the ocean. People born here are usually of medium height with a soft, well-formed body, a "
        "glowing complexion, a sweet smile and an open, friendly expression.",
        "Kindness is the keynote of Revati. Its natives are gentle, courteous and sincere, with a real wish to "
        "help, to nurture and to see others safely on their way, as Pushan does for travellers. Their godly "
        "temperament gives them faith, honesty and a pure heart, and they find it hard to think ill of anyone. "
        "Mercury adds intelligence, wit and a gift for language, so that many of them write, speak or teach well. "
        "They love beauty and the arts and have a vivid imagination. Like the elephant, their animal, they "
        "combine great strength with gentleness and a long memory for kindness. Sociable yet modest, they are "
        "liked wherever they go and make friends easily across every kind of boundary. As the last star of the "
        "zodiac, Revati also gives a sense of completion, and many of its natives turn towards spiritual freedom "
        "as life goes on.",
        "A trusting nature leaves Revati natives exposed: they believe what they are told, lend to people who never "
        "repay and may be deceived by those less honest than themselves. Their sensitivity makes them easily hurt and "
        "prone to discouragement, and when disappointed they may retreat into daydreams rather than face a problem "
        "squarely. Some lack confidence and depend on others to decide for them, while Mercury can make them restless "
        "and changeable in their plans. They may also be stubborn in small matters and jealous in love, and in trying "
        "to please everyone they sometimes please no one, least of all themselves.",
        "Many Revati natives find their calling in nursing, teaching, writing and publishing, music and the arts, "
        "travel and transport, farming, animal care or charitable work.",
        "With a spouse who shields their trusting nature, Revati natives enjoy a peaceful home, and they are "
        "tender, loyal partners and loving parents.",
        "Revati governs the ankles in the tradition, and with them the feet, linking the star with sprains and "
        "swelling there; its Kapha dosha adds colds, ear trouble and a sluggish digestion.",
    },
};
