#include "windows/help_texts.h"

namespace {

constexpr char kIntroductionHead[] = "INTRODUCTION\r\r";

constexpr char kIntroduction[] =
    "INTRODUCTION\r"
    "\r"
    "Skellith lets you explore the mechanism of evolution. It creates a population of dots that "
    "run around the screen. You play a predator: you eat dots by clicking on them as they run. "
    "After you have eaten some of them, the survivors reproduce.\r"
    "\r"
    "Whether the population evolves depends on the properties that you give the dots. To let you "
    "see what happens, Skellith draws histograms (bar graphs) of the number of dots of each type. "
    "By comparing the current population with the starting population, you can tell whether the "
    "population is evolving.";

constexpr char kTwoExplorations[] =
    "TWO EXPLORATIONS: \r"
    "DARWIN'S THEORY AND MUTATION'S ROLE\r"
    "\r"
    "Skellith has two main windows, each for exploring a different aspect of the mechanism of "
    "evolution.\r"
    "\r"
    "The Darwin's Theory window opens automatically when you launch Skellith. It lets you explore "
    "the fundamentals of Darwin's theory of evolution by natural selection. If you close it, you "
    "can open it again by selecting Darwin's Theory under the Window menu.\r"
    "\r"
    "The Mutation's Role window lets you explore the role that mutation plays in evolution. To "
    "open it, select Mutation's Role under the Window menu.";

constexpr char kSettingTheProperties[] =
    "SETTING THE PROPERTIES OF THE DOTS\r"
    "\r"
    "You change the properties of the dots with the check boxes in the lower right corner of the "
    "window.\r"
    "\r"
    "For example, in the Darwin's Theory window the Variable check box turns the property of "
    "being variable on or off. When it is checked, a newly created population consists of "
    "variable dots; when it is not, all the dots of a new population are alike.";

constexpr char kTheProperties[] =
    "THE PROPERTIES YOU CAN SET\r"
    "\r"
    "Each property is turned on when its check box is checked and off when it is not.\r"
    "\r"
    "In the Darwin's Theory window the dots can be:\r"
    "- Variable or not. When Variable is checked, a new population consists of dots that differ "
    "from one another. When it is not checked, all the dots of a new population are alike.\r"
    "- Heritable or not. When Heritable is checked and a dot divides in two, both offspring "
    "inherit its distinctive traits. When it is not checked, the traits of each offspring are "
    "determined at random.\r"
    "\r"
    "In the Mutation's Role window the dots are always variable and heritable, and they reproduce "
    "with or without mutation:\r"
    "- With mutation. When this box is checked and a dot divides in two, one or the other "
    "offspring may differ from its parent.\r"
    "\r"
    "In both windows survival can be selective or not:\r"
    "- Selective. When Selective is checked, you kill dots by clicking directly on them, so the "
    "dots you see and catch most easily are the ones that die.\r"
    "- Not selective. When Selective is not checked, a click anywhere in the window kills a dot "
    "chosen at random.\r"
    "\r"
    "You can also choose the trait in which the dots vary: see Options.";

constexpr char kRunning[] =
    "RUNNING THE SKELLITH SIMULATION\r"
    "\r"
    "Run the simulation in these steps:\r"
    "- New Population. Click New Population to create a new population of dots. Skellith plots "
    "the distribution of their traits in the Starting population histogram.\r"
    "- Run. Click Run to start the dots running around the screen. Click on dots to kill them; "
    "the number remaining shows how many are left.\r"
    "- Stop. Click Stop to stop the dots. Skellith plots the distribution of traits among the "
    "survivors in the Current population histogram.\r"
    "- Reproduce. Click Reproduce to make each dot divide in two. Skellith plots the new "
    "distribution.\r"
    "\r"
    "Then run, stop and reproduce again, for as many generations as you like.\r"
    "\r"
    "You can change the properties of the dots at any time, and you can create a new population "
    "whenever the simulation is not running.";

constexpr char kOptions[] =
    "OPTIONS\r"
    "\r"
    "By default the dots vary in the speed at which they run. Their color varies with their "
    "speed: slower dots have cooler colors and faster dots warmer ones.\r"
    "\r"
    "Selecting Options... under the File menu lets you choose other kinds of variation:\r"
    "- Speed returns to the default: the dots vary in speed.\r"
    "- Size makes the dots vary in size. Again their color goes with it: larger dots have warmer "
    "colors and smaller dots cooler ones.\r"
    "- Visibility makes the dots vary in color in a way that affects how easily you can see "
    "them against the background.\r"
    "\r"
    "Closing the Options window starts every open exploration afresh, ready for a new "
    "population.";

constexpr char kHowToLearn[] =
    "HOW TO USE SKELLITH TO LEARN ABOUT EVOLUTION\r"
    "\r"
    "The point of Skellith is to explore. Try different combinations of properties and find out "
    "when the population evolves and when it does not. After each generation, compare the "
    "current population with the starting one in the histograms.\r"
    "\r"
    "Questions to explore in the Darwin's Theory window:\r"
    "- Does the population evolve when the traits are variable but not heritable?\r"
    "- Does it evolve when the traits are variable and heritable but survival is not selective?\r"
    "- How does evolution differ when survival is selective and when it is not?\r"
    "\r"
    "Questions to explore in the Mutation's Role window:\r"
    "- How does evolution differ with and without mutation?\r"
    "- What is the best strategy for quickly evolving a population that is optimally suited for "
    "survival? Is it better to start with a large or a small population? To kill many or few "
    "dots in each generation? Why?\r"
    "- When survival is not selective, how often does a new mutation become common in the "
    "population?\r"
    "\r"
    "Good luck, and have fun!";

constexpr char kQuitting[] =
    "QUITTING SKELLITH\r"
    "\r"
    "You can quit Skellith at any time by selecting Quit under the File menu.";

}  // namespace

namespace HelpTexts {

const char* const kCaptionRows =
    "Introduction\r"
    "Two Explorations: Darwin's Theory and Mutation's Role\r"
    "Setting the properties of the dots\r"
    "The properties you can set\r"
    "Running the Skellith simulation\r"
    "Options\r"
    "How to use Skellith to learn about evolution\r"
    "Quitting Skellith";

const char* const kTopics[kTopicCount] = {
    kIntroduction, kTwoExplorations, kSettingTheProperties, kTheProperties,
    kRunning,      kOptions,         kHowToLearn,           kQuitting,
};

const char* const kIntroductionBody = kIntroduction + sizeof(kIntroductionHead) - 1;

}  // namespace HelpTexts
