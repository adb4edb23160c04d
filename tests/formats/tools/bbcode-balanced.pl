#!/usr/bin/perl
# Reads each file named on the command line as a BBCode post with Parse::BBCode (Debian's
# libparse-bbcode-perl), a reader written apart from ours, and says whether every tag in it
# pairs: a tag left open, closed out of order or closed twice shows in the rendered text as
# the tag itself. For each file prints "ok FILE" or "bad FILE: why", then the text the reader
# shows of the post, between lines "<<<" and ">>>". Exits 1 when any file is bad, 2 when the
# module is missing.
use strict;
use warnings;

eval { require Parse::BBCode; require Parse::BBCode::HTML; 1 }
  or do { print STDERR "Parse::BBCode is missing (Debian: libparse-bbcode-perl)\n"; exit 2 };

binmode STDOUT, ':encoding(UTF-8)';

# The tags the forums' dialects write beyond the module's own, each shown as a plain element:
# what matters here is pairing, not looks.
my %tags = Parse::BBCode::HTML->defaults;
$tags{$_} = '<span>%s</span>'
  for qw(s strike center left right justify indent table tr td th font li spoiler ispoiler
         icode sub sup align heading);
$tags{hr} = { output => '<hr>', single => 1 };
my $parser = Parse::BBCode->new({ tags => \%tags, close_open_tags => 0 });
my $known = join '|', map { quotemeta } sort keys %tags;

my $bad = 0;
for my $file (@ARGV) {
  open my $in, '<:encoding(UTF-8)', $file or die "$file: $!\n";
  my $post = do { local $/; <$in> };
  close $in;
  # Tag names are matched as the forums match them, whatever their case.
  $post =~ s{\[(/?)([A-Za-z*]+)}{'[' . $1 . lc $2}ge;
  (my $text = $parser->render($post)) =~ s/<[^>]*>/ /g;
  my %entities = (amp => '&', lt => '<', gt => '>', quot => '"', '#39' => "'", '#x27' => "'");
  $text =~ s/&(amp|lt|gt|quot|#39|#x27);/$entities{$1}/g;
  # A known tag, or the end of one this reader does not know, left in the text.
  if ($text =~ m{(\[/?(?:$known)\b[^\]]*\]|\[/[A-Za-z]+\])}i) {
    print "bad $file: a tag shows as text: $1\n";
    $bad = 1;
  } else {
    print "ok $file\n";
  }
  print "<<<\n$text\n>>>\n";
}
exit $bad;
